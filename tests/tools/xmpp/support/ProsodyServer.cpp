#include "ProsodyServer.h"

#include <QFile>
#include <QMap>

using namespace Qt::StringLiterals;

namespace verbalink::testing {

namespace {

// Prosody starts within a second or two; a loaded machine gets far more.
constexpr auto kStartBudget = std::chrono::seconds(60);
constexpr auto kStopGrace = std::chrono::seconds(20);

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// "key=value key=value ... folder=rest of the line".
QMap<QString, QString> readyFields(const QString& line)
{
    QMap<QString, QString> fields;
    const qsizetype folder = line.indexOf(u" folder="_s);
    const QString head = folder < 0 ? line : line.left(folder);
    if (folder >= 0)
        fields.insert(u"folder"_s, line.mid(folder + 8));
    for (const QString& field : head.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = field.indexOf(u'=');
        if (equals > 0)
            fields.insert(field.left(equals), field.mid(equals + 1));
    }
    return fields;
}

} // namespace

ProsodyServer::ProsodyServer(ProsodyOptions options) : m_options(std::move(options)) {}

ProsodyServer::~ProsodyServer()
{
    stop();
}

bool ProsodyServer::start(QString& error)
{
    return launch(false, error);
}

void ProsodyServer::stop()
{
    if (m_script == nullptr)
        return;
    // The script stops Prosody on SIGTERM and waits for it, so the port is free afterwards.
    m_script->stop(kStopGrace);
    m_script.reset();
    m_pid = 0;
}

bool ProsodyServer::restart(QString& error)
{
    stop();
    return launch(false, error);
}

bool ProsodyServer::replaceCertificate(QString& error)
{
    if (m_options.tls != ProsodyOptions::Tls::SelfSigned) {
        error = u"only a server with a self-signed certificate gets a new one"_s;
        return false;
    }
    stop();
    return launch(true, error);
}

bool ProsodyServer::isRunning() const
{
    return m_script != nullptr && m_script->isRunning();
}

QString ProsodyServer::jid(const QString& user) const
{
    return user + u'@' + m_options.domain;
}

QString ProsodyServer::password(const QString& user) const
{
    const QString prefix = user + u':';
    for (const QString& account : m_options.accounts) {
        if (account.startsWith(prefix))
            return account.mid(prefix.size());
    }
    return {};
}

QString ProsodyServer::log() const
{
    return readFile(m_folder.filePath(u"xmpp-server.err"_s)) +
           readFile(m_folder.filePath(u"prosody.log"_s));
}

QString ProsodyServer::script()
{
    return QStringLiteral(XMPP_SERVER_SCRIPT);
}

QStringList ProsodyServer::arguments(bool newCertificate) const
{
    QStringList arguments{u"--folder"_s, m_folder.path(), u"--domain"_s, m_options.domain};
    if (m_port != 0)
        arguments << u"--port"_s << QString::number(m_port);
    if (m_options.roster)
        arguments << u"--roster"_s;
    if (m_options.mucPublicJids)
        arguments << u"--muc-public-jids"_s;
    switch (m_options.tls) {
    case ProsodyOptions::Tls::Off:
        break;
    case ProsodyOptions::Tls::SelfSigned:
        arguments << u"--tls"_s << u"self-signed"_s;
        if (newCertificate)
            arguments << u"--new-certificate"_s;
        break;
    case ProsodyOptions::Tls::CertificateFile:
        arguments << u"--cert"_s << m_options.certificateFile << u"--key"_s << m_options.keyFile;
        break;
    }
    return arguments + m_options.accounts;
}

bool ProsodyServer::launch(bool newCertificate, QString& error)
{
    if (isRunning())
        return true;
    if (!m_folder.isValid()) {
        error = u"no temporary folder: "_s + m_folder.errorString();
        return false;
    }
    m_script = std::make_unique<TestProcess>();
    if (!m_script->start(u"/bin/bash"_s, QStringList{script()} + arguments(newCertificate),
                         m_folder.filePath(u"xmpp-server.err"_s), error))
        return false;
    if (readReadyLine(error))
        return true;
    stop();
    return false;
}

bool ProsodyServer::readReadyLine(QString& error)
{
    const std::optional<QByteArray> line = m_script->readLine(QDeadlineTimer(kStartBudget));
    if (!line || !line->startsWith("xmpp-server ready ")) {
        error = u"the XMPP server did not start: "_s + log();
        return false;
    }
    const QMap<QString, QString> fields = readyFields(QString::fromUtf8(*line));
    m_port = fields.value(u"port"_s).toUShort();
    m_muc = fields.value(u"muc"_s);
    m_fingerprint = fields.value(u"fingerprint"_s);
    m_pid = fields.value(u"pid"_s).toLongLong();
    if (m_port == 0 || m_pid == 0) {
        error = u"unreadable ready line: "_s + QString::fromUtf8(*line);
        return false;
    }
    return true;
}

} // namespace verbalink::testing

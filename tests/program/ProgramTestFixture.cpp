#include "ProgramTestFixture.h"

#include "EventWait.h"

#include <QDir>
#include <QFile>

namespace verbalink::testing {

void ProgramTestFixture::SetUp()
{
    QString error;
    ASSERT_TRUE(m_bus.start(error)) << qPrintable(error);
    m_sim = std::make_unique<SimProcess>(m_bus.address());
    ASSERT_TRUE(m_sim->start(
        {QStringLiteral("--log"), commandLog(), QStringLiteral("--messages"), messagesLog()},
        error))
        << qPrintable(error);
    QDir().mkpath(path(u"runtime"));
    QFile::setPermissions(path(u"runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString ProgramTestFixture::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ProgramTestFixture::messagesShow(const QString& line)
{
    return waitUntil([&] { return readFile(messagesLog()).split(u'\n').contains(line); });
}

void ProgramTestFixture::writeSettings(const QByteArray& text)
{
    QDir().mkpath(path(u"config/Verbalink"));
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

std::unique_ptr<QProcess> ProgramTestFixture::launch(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
    env.insert(QStringLiteral("HOME"), path(u"home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(u"config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(u"runtime"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto extra = m_env.cbegin(); extra != m_env.cend(); ++extra)
        env.insert(extra.key(), extra.value());
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("verbalink.shell.info=true"));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    QProcess* raw = process.get();
    QObject::connect(raw, &QProcess::readyReadStandardError, raw,
                     [this, raw] { m_log += QString::fromUtf8(raw->readAllStandardError()); });
    process->start(QStringLiteral(VERBALINK_EXECUTABLE), arguments);
    return process;
}

bool ProgramTestFixture::logShows(const QString& text, int timeoutMs)
{
    return waitUntil([&] { return m_log.contains(text); }, timeoutMs);
}

} // namespace verbalink::testing

#include "XmppPartner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace verbalink::testing {

namespace {

// Debian's own interpreter: python3-slixmpp is installed for it, not for one on the PATH.
constexpr auto kPython = "/usr/bin/python3";

QString seconds(std::chrono::milliseconds timeout)
{
    return QString::number(double(timeout.count()) / 1000.0);
}

} // namespace

QStringList PartnerReply::texts(const QString& key) const
{
    QStringList found;
    for (const QJsonValue& value : fields.value(key).toArray())
        found.append(value.toString());
    return found;
}

XmppPartner::~XmppPartner()
{
    // At the end of its input the script leaves the server with a stream end and exits.
    m_script.closeInput();
    m_script.waitForEnd(std::chrono::seconds(10));
}

bool XmppPartner::start(QString& error)
{
    if (!m_folder.isValid()) {
        error = u"no temporary folder: "_s + m_folder.errorString();
        return false;
    }
    if (!m_script.start(QString::fromLatin1(kPython), {QStringLiteral(XMPP_PARTNER_SCRIPT)},
                        m_folder.filePath(u"partner.err"_s), error))
        return false;
    if (!waitForEvent(u"ready"_s, {})) {
        error = u"the XMPP partner did not start: "_s + log();
        return false;
    }
    return true;
}

PartnerReply XmppPartner::connect(const PartnerLogin& login)
{
    return command({{u"cmd"_s, u"connect"_s},
                    {u"jid"_s, login.jid},
                    {u"password"_s, login.password},
                    {u"host"_s, login.host},
                    {u"port"_s, login.port},
                    {u"tls"_s, login.tls},
                    {u"fingerprint"_s, login.fingerprint},
                    {u"reconnect"_s, login.reconnect},
                    {u"advertiseCorrections"_s, login.advertiseCorrections},
                    {u"answerReceipts"_s, login.answerReceipts},
                    {u"streamLang"_s, login.streamLang},
                    {u"timeout"_s, double(kWait.count()) / 1000.0}},
                   kWait + std::chrono::seconds(10));
}

PartnerReply XmppPartner::disconnect()
{
    return command({{u"cmd"_s, u"disconnect"_s}});
}

PartnerReply XmppPartner::send(const PartnerOutgoing& message)
{
    return command({{u"cmd"_s, u"send"_s},
                    {u"to"_s, message.to},
                    {u"body"_s, message.body},
                    {u"type"_s, message.type},
                    {u"messageId"_s, message.id},
                    {u"lang"_s, message.lang},
                    {u"requestReceipt"_s, message.requestReceipt}});
}

PartnerReply XmppPartner::correct(const PartnerOutgoing& message, const QString& replacesId)
{
    return command({{u"cmd"_s, u"correct"_s},
                    {u"to"_s, message.to},
                    {u"body"_s, message.body},
                    {u"type"_s, message.type},
                    {u"messageId"_s, message.id},
                    {u"lang"_s, message.lang},
                    {u"requestReceipt"_s, message.requestReceipt},
                    {u"replaces"_s, replacesId}});
}

PartnerReply XmppPartner::join(const QString& room, const QString& nick,
                               std::optional<bool> publicJids)
{
    QJsonObject join{{u"cmd"_s, u"join"_s}, {u"room"_s, room}, {u"nick"_s, nick}};
    if (publicJids)
        join.insert(u"publicJids"_s, *publicJids);
    return command(join);
}

PartnerReply XmppPartner::leave(const QString& room, const QString& nick)
{
    return command({{u"cmd"_s, u"leave"_s}, {u"room"_s, room}, {u"nick"_s, nick}});
}

PartnerReply XmppPartner::publishVcard(const QString& fullName, const QString& photoFile,
                                       const QString& photoType)
{
    return command({{u"cmd"_s, u"vcard"_s},
                    {u"fullName"_s, fullName},
                    {u"photoFile"_s, photoFile},
                    {u"photoType"_s, photoType}});
}

PartnerReply XmppPartner::subscribe(const QString& jid)
{
    return command({{u"cmd"_s, u"subscribe"_s}, {u"to"_s, jid}});
}

PartnerReply XmppPartner::vcardOf(const QString& jid)
{
    return command({{u"cmd"_s, u"getVcard"_s}, {u"jid"_s, jid}});
}

PartnerReply XmppPartner::featuresOf(const QString& jid)
{
    return command({{u"cmd"_s, u"features"_s}, {u"jid"_s, jid}});
}

std::optional<QJsonObject>
XmppPartner::waitForEvent(const QString& name, const std::function<bool(const QJsonObject&)>& match,
                          std::chrono::milliseconds timeout)
{
    const auto matches = [&](const QJsonObject& event) {
        return event[u"event"_s].toString() == name && (!match || match(event));
    };
    for (const QJsonObject& event : std::as_const(m_events)) {
        if (matches(event))
            return event;
    }
    const QDeadlineTimer deadline(timeout);
    std::optional<PartnerReply> unused;
    while (true) {
        const qsizetype seen = m_events.size();
        if (!readOne(deadline, unused, 0))
            return std::nullopt;
        for (qsizetype i = seen; i < m_events.size(); ++i) {
            if (matches(m_events[i]))
                return m_events[i];
        }
    }
}

std::optional<PartnerMessage>
XmppPartner::waitForMessage(const std::function<bool(const PartnerMessage&)>& match,
                            std::chrono::milliseconds timeout)
{
    const auto event = waitForEvent(
        u"message"_s,
        [&](const QJsonObject& e) { return !match || match(PartnerMessage::fromJson(e)); },
        timeout);
    return event ? std::optional(PartnerMessage::fromJson(*event)) : std::nullopt;
}

std::optional<PartnerReceipt>
XmppPartner::waitForReceipt(const std::function<bool(const PartnerReceipt&)>& match,
                            std::chrono::milliseconds timeout)
{
    const auto event = waitForEvent(
        u"receipt"_s,
        [&](const QJsonObject& e) { return !match || match(PartnerReceipt::fromJson(e)); },
        timeout);
    return event ? std::optional(PartnerReceipt::fromJson(*event)) : std::nullopt;
}

std::optional<PartnerOccupant>
XmppPartner::waitForOccupant(const std::function<bool(const PartnerOccupant&)>& match,
                             std::chrono::milliseconds timeout)
{
    const auto event = waitForEvent(
        u"occupant"_s,
        [&](const QJsonObject& e) { return !match || match(PartnerOccupant::fromJson(e)); },
        timeout);
    return event ? std::optional(PartnerOccupant::fromJson(*event)) : std::nullopt;
}

QList<QJsonObject> XmppPartner::events(const QString& name) const
{
    QList<QJsonObject> found;
    for (const QJsonObject& event : m_events) {
        if (event[u"event"_s].toString() == name)
            found.append(event);
    }
    return found;
}

QList<PartnerMessage> XmppPartner::messages() const
{
    QList<PartnerMessage> found;
    for (const QJsonObject& event : events(u"message"_s))
        found.append(PartnerMessage::fromJson(event));
    return found;
}

QString XmppPartner::log() const
{
    QFile file(m_folder.filePath(u"partner.err"_s));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

PartnerReply XmppPartner::command(QJsonObject command, std::chrono::milliseconds timeout)
{
    const int id = m_nextId++;
    command.insert(u"id"_s, id);
    if (!m_script.writeLine(QJsonDocument(command).toJson(QJsonDocument::Compact)))
        return {false, u"the XMPP partner is not running: "_s + log(), {}};
    const QDeadlineTimer deadline(timeout);
    std::optional<PartnerReply> reply;
    while (!reply) {
        if (!readOne(deadline, reply, id))
            return {false,
                    command[u"cmd"_s].toString() + u": no answer within "_s + seconds(timeout) +
                        u" s"_s + (m_script.isRunning() ? QString() : u"; "_s + log()),
                    {}};
    }
    return *reply;
}

bool XmppPartner::readOne(QDeadlineTimer deadline, std::optional<PartnerReply>& reply, int awaited)
{
    const std::optional<QByteArray> line = m_script.readLine(deadline);
    if (!line)
        return false;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(*line, &parseError);
    if (!document.isObject()) {
        keep({{u"event"_s, u"unreadable"_s}, {u"line"_s, QString::fromUtf8(*line)}});
        return true;
    }
    const QJsonObject event = document.object();
    if (event[u"event"_s].toString() != u"reply"_s) {
        keep(event);
        return true;
    }
    // A late answer to a command that timed out is dropped.
    if (awaited != 0 && event[u"id"_s].toInt() == awaited)
        reply = PartnerReply{event[u"ok"_s].toBool(), event[u"error"_s].toString(), event};
    return true;
}

void XmppPartner::keep(const QJsonObject& event)
{
    const QString name = event[u"event"_s].toString();
    if (name == u"online"_s)
        m_jid = event[u"jid"_s].toString();
    else if (name == u"disconnected"_s)
        m_jid.clear();
    m_events.append(event);
}

} // namespace verbalink::testing

#include "NotificationFuzzDriver.h"

#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "FakeSkypeTransport.h"
#include "MessageFakes.h"
#include "skype/SkypeConnection.h"

#include <QSet>
#include <memory>

namespace verbalink::fuzz {

namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");
const SkypeEndpoint Stranger = QStringLiteral(":1.99");

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

struct Line {
    SkypeEndpoint from;
    QByteArray bytes;
};

QList<Line> linesOf(QByteArrayView text, bool withStrangers)
{
    QList<Line> lines;
    for (QByteArrayView rest = text; !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        const bool stranger = line.startsWith('\x01');
        if (stranger && !withStrangers)
            continue;
        lines.append(
            {stranger ? Stranger : Client, (stranger ? line.sliced(1) : line).toByteArray()});
    }
    return lines;
}

// One attached link playing the lines; what it sends and what it hands on is kept.
struct Run {
    test::FakeSkypeTransport transport;
    test::FakeClock clock;
    test::FakeMessageBox boxes;
    SkypeConnection connection{transport, clock, boxes};
    QList<ChatMessageRecord> handedOn;

    Run(bool encryption, const QList<Line>& lines)
    {
        auto features = std::make_shared<test::FakeFeatures>();
        features->translation = true;
        features->encryption = encryption;
        connection.services().features.set(features);
        connection.services().cipher.set(std::make_shared<test::FakeCipher>());
        connection.handlers().onOutgoingMessage.set([this](const ChatMessageRecord& record) {
            handedOn.append(record);
            return true;
        });
        connection.handlers().onIncomingMessage.set(
            [this](const ChatMessageRecord& record) { handedOn.append(record); });
        connection.link().enter();
        transport.deliverAttach(Client, AttachSuccess);
        for (const Line& line : lines)
            transport.deliverLine(line.from, line.bytes);
    }
};

QString checkHandedOn(const Run& run, const QList<Line>& lines)
{
    QSet<qint32> ids;
    for (const ChatMessageRecord& record : run.handedOn) {
        if (ids.contains(record.id))
            return fail("a message was handed on twice");
        ids.insert(record.id);
        const bool sent = std::any_of(lines.begin(), lines.end(), [&](const Line& line) {
            return line.from == Client &&
                   SkypeChannel::decodeLine(line.bytes).endsWith(record.body);
        });
        if (!sent)
            return fail("a body the client never sent");
    }
    return {};
}

QString checkReplacements(Run& run)
{
    for (const ChatMessageRecord& record : run.handedOn) {
        if (!record.outgoing)
            continue;
        run.transport.clear();
        if (!run.connection.replaceMessageBody(record.id, QStringLiteral("new text")))
            return fail("an outgoing message could not be replaced");
        const QList<test::FakeSkypeTransport::Sent> sent = run.transport.sent();
        const QByteArray prefix = "SET CHATMESSAGE " + QByteArray::number(record.id) + " BODY ";
        if (sent.size() != 1 || !sent.first().command.startsWith(prefix) ||
            sent.first().to != record.skypeWindow)
            return fail("a replacement went out wrong");
    }
    return {};
}

} // namespace

QString driveNotifications(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const bool encryption = (input[0] & 1) != 0;
    const QList<Line> lines = linesOf(input.sliced(1), true);
    Run run(encryption, lines);
    for (const test::FakeSkypeTransport::Sent& sent : run.transport.sent()) {
        if (sent.to != Client || sent.command.contains('\0'))
            return fail("a command to a stranger or with a NUL");
    }
    const QString handedOn = checkHandedOn(run, lines);
    if (!handedOn.isEmpty())
        return handedOn;
    Run withoutStrangers(encryption, linesOf(input.sliced(1), false));
    if (withoutStrangers.transport.commands() != run.transport.commands() ||
        withoutStrangers.handedOn.size() != run.handedOn.size())
        return fail("lines from a client that never attached changed something");
    return checkReplacements(run);
}

} // namespace verbalink::fuzz

// Notifications received, decoded, parsed and dispatched per second: a mix of chat message,
// user and call lines, against a baseline that only decodes and splits the same lines.

#include "platform/Clock.h"
#include "platform/MessageBoxPort.h"
#include "skype/SkypeConnection.h"

#include <QStringDecoder>
#include <array>
#include <benchmark/benchmark.h>

using namespace verbalink;

namespace {

class NullTransport final : public SkypeTransport {
public:
    void setHandlers(Handlers handlers) override { m_handlers = std::move(handlers); }
    bool postDiscover() override { return true; }
    SendResult send(const SkypeEndpoint&, const QByteArray&) override
    {
        return {SendResult::Delivered, {}};
    }
    void attach(const SkypeEndpoint& from) { m_handlers.attach(from, AttachSuccess); }
    void deliver(const SkypeEndpoint& from, const QByteArray& bytes)
    {
        m_handlers.received(from, bytes);
    }

private:
    Handlers m_handlers;
};

class NoBoxes final : public MessageBoxPort {
public:
    void showMessage(const QString&, const QString&, Icon) override {}
    bool askYesNo(const QString&, const QString&, Icon) override { return false; }
};

const std::array<QByteArray, 8> Lines{
    "CHATMESSAGE 1234 STATUS RECEIVED",
    "CHATMESSAGE 1234 CHATNAME #alice/$bob;9f1a2b3c4d5e",
    "CHATMESSAGE 1234 FROM_HANDLE bob",
    "CHATMESSAGE 1234 BODY Hello, how are you? Ça va bien, merci.",
    "USER bob FULLNAME Bob Builder",
    "USER bob LANGUAGE de German",
    "CALL 42 DURATION 17",
    "CALL 42 PARTNER_DISPNAME Mary, Ann",
};

void BM_Dispatch(benchmark::State& state)
{
    NullTransport transport;
    SystemClock clock;
    NoBoxes boxes;
    SkypeConnection link(transport, clock, boxes);
    int events = 0;
    link.handlers().onChatMessageEvent.set(
        [&](const ChatMessageEvent&, const SkypeEndpoint&) { ++events; });
    const SkypeEndpoint client = QStringLiteral(":1.42");
    transport.attach(client);
    for (auto _ : state) {
        for (const QByteArray& line : Lines)
            transport.deliver(client, line);
    }
    benchmark::DoNotOptimize(events);
    state.SetItemsProcessed(state.iterations() * qint64(Lines.size()));
}
BENCHMARK(BM_Dispatch);

void BM_DecodeAndSplitOnly(benchmark::State& state)
{
    qsizetype tokens = 0;
    for (auto _ : state) {
        for (const QByteArray& line : Lines) {
            QStringDecoder decoder(QStringDecoder::Utf8);
            const QString text = decoder.decode(line);
            tokens += text.split(u' ', Qt::SkipEmptyParts).size();
        }
    }
    benchmark::DoNotOptimize(tokens);
    state.SetItemsProcessed(state.iterations() * qint64(Lines.size()));
}
BENCHMARK(BM_DecodeAndSplitOnly);

} // namespace

// Times a real conversation over loopback: from Alice typing in verbalink-xmpp to Bob's client
// (slixmpp) receiving the message, one message at a time, through a private Prosody; first with
// Verbalink attached and translating through the local gateway, then with no Verbalink attached
// as the baseline, in the same run. Prints the median and p99 of each and their ratio.
//   bench_xmpp_latency [N, default 200]

#include "ClientProcess.h"
#include "EventWait.h"
#include "GatewayProcess.h"
#include "PrivateBus.h"
#include "ProgramHome.h"
#include "ProsodyServer.h"
#include "XmppPartner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace verbalink::testing;

namespace {

struct Spread {
    double median = 0;
    double p99 = 0;
};

Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&values](double share) {
        return values.at(std::min(values.size() - 1, size_t(share * double(values.size()))));
    };
    return {at(0.5), at(0.99)};
}

// Types `count` messages one after another and times each until Bob has it; nothing when one
// never arrives.
std::optional<std::vector<double>> run(ClientProcess& alice, XmppPartner& bob, const QString& to,
                                       const QString& tag, int count)
{
    std::vector<double> times;
    for (int i = 1; i <= count; ++i) {
        const QString text = u"%1 message number %2"_s.arg(tag).arg(i);
        QElapsedTimer clock;
        clock.start();
        alice.directive(u"type %1 %2"_s.arg(to, text));
        if (!bob.waitForMessage(
                [&text](const PartnerMessage& m) { return m.body.startsWith(text); }))
            return std::nullopt;
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return times;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    QString error;
    PrivateBus bus;
    GatewayProcess gateway;
    ProsodyServer server({.accounts = {u"alice:wonderland"_s, u"bob:builder"_s}, .roster = true});
    XmppPartner bob;
    if (!bus.start(error) || !gateway.start(error) || !server.start(error) || !bob.start(error) ||
        !bob.connect(PartnerLogin::to(server, u"bob"_s)).ok) {
        std::fprintf(stderr, "bench_xmpp_latency: %s\n", qUtf8Printable(error));
        return 1;
    }
    ClientProcess alice(bus.address(), server.password(u"alice"_s));
    if (!alice.start({u"--jid"_s, server.jid(u"alice"_s), u"--server"_s,
                      u"127.0.0.1:%1"_s.arg(server.port()), u"--allow-plain"_s},
                     error) ||
        !alice.waitForOutput(u"online"_s)) {
        std::fprintf(stderr, "bench_xmpp_latency: %s\n", qUtf8Printable(error + alice.errors()));
        return 1;
    }
    const QString to = server.jid(u"bob"_s);

    // The baseline first: nobody attached, so every message goes out as typed.
    const std::optional<std::vector<double>> plain = run(alice, bob, to, u"plain"_s, count);

    ProgramHome program(bus.address());
    program.writeSettings("[Software\\Verbalink]\nTranslator=1\nFromLang=32785\nToLang=32851\n"
                          "[Software\\Verbalink\\Hosts]\nGoogle=" +
                          gateway.hostPort() + "\nGoogleTranslate=" + gateway.hostPort() + "\n");
    std::unique_ptr<QProcess> running = program.launch();
    if (!alice.waitForLog(u"-> GET UI_LANGUAGE"_s)) {
        std::fprintf(stderr, "bench_xmpp_latency: the program did not attach\n");
        return 1;
    }
    const std::optional<std::vector<double>> translated =
        run(alice, bob, to, u"translated"_s, count);
    running->terminate();
    waitUntil([&] { return running->state() == QProcess::NotRunning; });
    if (!plain || !translated) {
        std::fprintf(stderr, "bench_xmpp_latency: a message never reached Bob\n");
        return 1;
    }
    const Spread base = spreadOf(*plain);
    const Spread with = spreadOf(*translated);
    std::printf("typed to received, %d messages each, ms\n", count);
    std::printf("  no Verbalink attached:      median %8.2f  p99 %8.2f\n", base.median, base.p99);
    std::printf("  Verbalink with the gateway: median %8.2f  p99 %8.2f\n", with.median, with.p99);
    std::printf("  ratio (translated / plain): median %8.2f  p99 %8.2f\n",
                with.median / base.median, with.p99 / base.p99);
    return 0;
}

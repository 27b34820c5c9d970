// Times the real verbalink program: from the chat client reporting a typed message (STATUS
// SENDING) to the program's SET CHATMESSAGE with the translated body, with a loopback
// translation service that answers at once. Prints the median and quartiles over N messages.
//   bench_outgoing_latency [N]

#include "EventWait.h"
#include "PrivateBus.h"
#include "SimProcess.h"
#include "TranslationTestService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace verbalink;

namespace {

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// "<ms> NEW <id> ..." and "<ms> BODY <id> ..." lines: the time of each id's first of each kind.
void collect(const QStringList& lines, QHash<QString, qint64>& typed, QHash<QString, qint64>& set)
{
    for (const QString& line : lines) {
        const QStringList parts = line.split(u' ');
        if (parts.size() < 3)
            continue;
        QHash<QString, qint64>& target = parts[1] == u"NEW" ? typed : set;
        if (!target.contains(parts[2]))
            target.insert(parts[2], parts[0].toLongLong());
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 100;

    testing::PrivateBus bus;
    QString error;
    if (!bus.start(error)) {
        std::fprintf(stderr, "bus: %s\n", qPrintable(error));
        return 1;
    }
    QTemporaryDir home;
    const QString messages = home.filePath(QStringLiteral("messages.log"));
    testing::SimProcess sim(bus.address());
    if (!sim.start({QStringLiteral("--messages"), messages, QStringLiteral("--timestamps")},
                   error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return 1;
    }
    sim.directive(QStringLiteral("user bob de Bob"));
    test::TranslationTestService service;
    const QByteArray host = service.hostPort();
    QDir().mkpath(home.filePath(QStringLiteral("config/Verbalink")));
    QDir().mkpath(home.filePath(QStringLiteral("runtime")));
    {
        QFile settings(home.filePath(QStringLiteral("config/Verbalink/Verbalink.conf")));
        settings.open(QIODevice::WriteOnly);
        settings.write(
            "[Software\\Verbalink]\nToLang=32831\n[Software\\Verbalink\\Hosts]\nGoogle=" + host +
            "\nGoogleTranslate=" + host + "\n");
    }
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    env.insert(QStringLiteral("HOME"), home.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VERBALINK_EXECUTABLE), {});
    testing::waitUntil([] { return false; }, 1500);

    QHash<QString, qint64> typed;
    QHash<QString, qint64> set;
    for (int i = 0; i < count; ++i) {
        sim.directive(u"type bob Hello number " + QString::number(i));
        const bool done = testing::waitUntil([&] {
            typed.clear();
            set.clear();
            collect(readLines(messages), typed, set);
            return set.size() > i;
        });
        if (!done) {
            std::fprintf(stderr, "message %d was not replaced\n", i);
            break;
        }
    }
    program.terminate();
    program.waitForFinished(5000);

    QList<qint64> latencies;
    for (auto it = set.cbegin(); it != set.cend(); ++it) {
        if (typed.contains(it.key()))
            latencies.append(it.value() - typed.value(it.key()));
    }
    if (latencies.isEmpty())
        return 1;
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) {
        return latencies[qsizetype(q * (latencies.size() - 1))];
    };
    std::printf("typed to replaced body over %lld messages: median %lld ms, quartiles %lld-%lld "
                "ms, max %lld ms\n",
                static_cast<long long>(latencies.size()), static_cast<long long>(at(0.5)),
                static_cast<long long>(at(0.25)), static_cast<long long>(at(0.75)),
                static_cast<long long>(latencies.last()));
    return 0;
}

// verbalink-gateway: the six translation services on loopback, answered by Apertium.
#include "gateway/ApertiumModes.h"
#include "gateway/ApertiumTranslator.h"
#include "gateway/GatewayLog.h"
#include "gateway/GatewayOptions.h"
#include "gateway/GatewayServer.h"
#include "gateway/RequestHandler.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace verbalink::gateway;

namespace {

// Every client holds a descriptor while it sends; the usual soft limit of 1024 would end the
// server's room for them far below what it can serve.
void allowOpenFiles()
{
    constexpr rlim_t Wanted = 8192;
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur >= Wanted)
        return;
    files.rlim_cur = std::min(Wanted, files.rlim_max);
    ::setrlimit(RLIMIT_NOFILE, &files);
}

QString directionList(const ApertiumModes& modes)
{
    QStringList names;
    for (const ApertiumModes::Direction& direction : modes.directions())
        names.append(QString::fromLatin1(direction.first + '-' + direction.second));
    return names.isEmpty() ? QStringLiteral("none") : names.join(u' ');
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString error;
    const std::optional<GatewayOptions> options = GatewayOptions::parse(arguments, &error);
    if (!options) {
        std::fprintf(stderr,
                     "verbalink-gateway: %s\nTry 'verbalink-gateway --help' for more "
                     "information.\n",
                     qPrintable(error));
        return 2;
    }
    if (options->help) {
        std::printf("%s", qPrintable(GatewayOptions::usage()));
        return 0;
    }
    if (options->version) {
        std::printf("verbalink-gateway %s\n", VERBALINK_VERSION);
        return 0;
    }
    if (options->exitWithParent) {
        const pid_t parent = ::getppid();
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            return 0;
    }
    // Every thread started from here on leaves these signals to the wait at the end.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&endSignals, signal);
    ::pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    allowOpenFiles();

    GatewayLog log;
    const ApertiumModes modes = ApertiumModes::scan(options->modesFolder);
    log.write(QStringLiteral("apertium directions in %1: %2")
                  .arg(options->modesFolder, directionList(modes)));
    ApertiumTranslator translator(modes, log);
    for (const QString& line : translator.routes().describe())
        log.write(QStringLiteral("routes from ") + line);
    RequestHandler handler(translator);
    GatewayServer server(handler, log);
    if (!server.listen(options->port, &error)) {
        log.write(error);
        return 1;
    }
    // Requests that come in meanwhile wait for the same pipelines.
    translator.warm(options->warm);
    std::printf("listening 127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);

    int received = 0;
    ::sigwait(&endSignals, &received);
    log.write(QStringLiteral("stopping on signal %1").arg(received));
    server.stop();
    return 0;
}

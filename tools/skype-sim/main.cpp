// verbalink-skype-sim: a scriptable stand-in for the chat client on the session bus.

#include "ApiBusService.h"
#include "ApiCommandLog.h"
#include "ApiMessageLog.h"
#include "SimCallRouter.h"
#include "SimScriptRunner.h"
#include "SimWindowMode.h"
#include "SkypeSimulator.h"
#include "StdinLineReader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace verbalink::sim;
namespace desktopapi = verbalink::desktopapi;

namespace {

struct Options {
    QString script;
    QString logFile;
    QString messagesFile;
    bool verbose = false;
    bool timestamps = false;
    bool window = false;
    desktopapi::ApiState state;
};

// The application object depends on it, so it is looked for before there is one to parse with.
bool asksForWindow(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc,
                       [](const char* argument) { return std::strcmp(argument, "--window") == 0; });
}

bool parseOptions(const QCoreApplication& app, Options& options, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Simulates the chat client's API on the session bus. Directives come from --script, "
        u"the demo roster (--window) or standard input, one per line (see README.md)."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption script(u"script"_s, u"Read directives from <file>."_s, u"file"_s);
    const QCommandLineOption refuse(u"refuse"_s, u"Refuse access (ERROR 68)."_s);
    const QCommandLineOption offline(u"offline"_s, u"Answer access with CONNSTATUS OFFLINE."_s);
    const QCommandLineOption pending(u"pending"_s, u"Answer access after <ms>."_s, u"ms"_s);
    const QCommandLineOption handle(u"handle"_s, u"The own user handle."_s, u"name"_s);
    const QCommandLineOption language(u"language"_s, u"The UI language code."_s, u"code"_s);
    const QCommandLineOption log(u"log"_s, u"Log every received command to <file>."_s, u"file"_s);
    const QCommandLineOption messages(
        u"messages"_s, u"Log new chat messages and body changes to <file>."_s, u"file"_s);
    const QCommandLineOption verbose(u"verbose"_s, u"Also log commands to standard error."_s);
    const QCommandLineOption timestamps(
        u"timestamps"_s, u"Start each line of the messages file with the time in ms."_s);
    const QCommandLineOption window(u"window"_s, u"Show the chat window."_s);
    parser.addOptions({script, refuse, offline, pending, handle, language, log, messages, verbose,
                       timestamps, window});
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr,
                     "verbalink-skype-sim: %s\nTry 'verbalink-skype-sim --help' for more "
                     "information.\n",
                     qUtf8Printable(parser.errorText()));
        std::exit(2);
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(0);
    if (parser.isSet(u"version"_s))
        parser.showVersion();

    options.script = parser.value(script);
    options.logFile = parser.value(log);
    options.messagesFile = parser.value(messages);
    options.verbose = parser.isSet(verbose);
    options.timestamps = parser.isSet(timestamps);
    options.window = parser.isSet(window);
    if (parser.isSet(refuse))
        options.state.nameAnswer = desktopapi::NameAnswer::Refuse;
    if (parser.isSet(offline))
        options.state.nameAnswer = desktopapi::NameAnswer::Offline;
    if (parser.isSet(handle))
        options.state.ownHandle = parser.value(handle);
    if (parser.isSet(language))
        options.state.uiLanguage = parser.value(language);
    if (parser.isSet(pending)) {
        bool isNumber = false;
        options.state.namePendingMs = parser.value(pending).toInt(&isNumber);
        if (!isNumber || options.state.namePendingMs < 0 ||
            options.state.namePendingMs > SimDirectiveParser::MaxDelayMs) {
            error = u"--pending needs a delay in milliseconds"_s;
            return false;
        }
    }
    return true;
}

bool readScript(const QString& path, QStringList& lines, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + u": "_s + file.errorString();
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return true;
}

int fail(const QString& error)
{
    std::fprintf(stderr, "verbalink-skype-sim: %s\n", qUtf8Printable(error));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool window = asksForWindow(argc, argv);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv, window);
    if (!app)
        return fail(u"this build has no chat window (Qt Widgets was left out)"_s);
    QCoreApplication::setApplicationName(u"verbalink-skype-sim"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(VERBALINK_VERSION));

    Options options;
    QString error;
    QStringList scriptLines;
    if (!parseOptions(*app, options, error))
        return fail(error);
    if (options.window != window)
        return fail(u"--window is an option of its own, not the value of another"_s);
    if (!options.script.isEmpty() && !readScript(options.script, scriptLines, error))
        return fail(error);
    if (options.script.isEmpty() && window)
        scriptLines = demoRoster();

    desktopapi::ApiCommandLog log;
    if (!log.open(options.logFile, options.verbose))
        return fail(options.logFile + u": "_s + log.errorString());
    SkypeSimulator simulator(options.state);
    desktopapi::ApiMessageLog messageLog;
    if (!options.messagesFile.isEmpty()) {
        if (!messageLog.open(options.messagesFile))
            return fail(options.messagesFile + u": "_s + messageLog.errorString());
        messageLog.setTimestamps(options.timestamps);
        simulator.chats().addListener([&messageLog](desktopapi::ApiMessageChange change,
                                                    const desktopapi::ApiChatMessage& message) {
            messageLog.record(change, message);
        });
    }
    desktopapi::ApiBusService service(simulator.api(), log, QDBusConnection::sessionBus());
    if (!service.start(error))
        return fail(error);

    SimCallRouter callRouter(simulator.calls(), service);
    SimScriptRunner runner(simulator, service);
    QObject::connect(&runner, &SimScriptRunner::quitRequested, app.get(), [&service] {
        service.releaseName();
        QCoreApplication::exit(0);
    });
    QObject::connect(&runner, &SimScriptRunner::vanishRequested, [] {
        // Leave without a goodbye: the bus notices the dropped connection.
        std::fflush(nullptr);
        ::_exit(0);
    });

    // Only once the name is ours: with a real client on the bus no window comes up at all.
    const std::unique_ptr<QObject> chatWindow =
        window ? openChatWindow(simulator, service, runner) : nullptr;

    std::printf("ready %s\n", qUtf8Printable(service.uniqueName()));
    std::fflush(stdout);

    StdinLineReader input;
    if (options.script.isEmpty() && !window) {
        QObject::connect(&input, &StdinLineReader::lineRead, &runner, &SimScriptRunner::feed);
        input.start();
    } else {
        for (const QString& line : std::as_const(scriptLines))
            runner.feed(line);
    }
    return app->exec();
}

// verbalink-xmpp: a chat client for an XMPP account that serves the desktop API on the bus.

#include "AccountDialog.h"
#include "AccountFile.h"
#include "ApiBusService.h"
#include "ApiCommandLog.h"
#include "ApiMessageLog.h"
#include "ChatStatusLine.h"
#include "ChatWindow.h"
#include "ClientOptions.h"
#include "ClientScript.h"
#include "PasswordFile.h"
#include "PasswordStore.h"
#include "XmppConnection.h"
#include "XmppWindowController.h"
#include "XmppWorld.h"

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace verbalink::xmpp;
namespace desktopapi = verbalink::desktopapi;

namespace {

int fail(const QString& error)
{
    std::fprintf(stderr, "verbalink-xmpp: %s\n", qUtf8Printable(error));
    return 1;
}

bool readLines(const QString& path, QStringList& lines, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + u": "_s + file.errorString();
        return false;
    }
    lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return true;
}

// The stored account, with what the command line says on top.
XmppAccount accountFor(const ClientOptions& options)
{
    XmppAccount account;
    AccountFile(AccountFile::defaultPath()).load(account);
    const XmppAccount& given = options.account;
    if (options.jidGiven && given.jid != account.jid) {
        // Another account: nothing of the stored one applies.
        account = XmppAccount{};
        account.jid = given.jid;
    }
    if (options.serverGiven)
        account.server = given.server;
    account.allowPlain = account.allowPlain || given.allowPlain;
    if (!given.trustedFingerprint.isEmpty())
        account.trustedFingerprint = given.trustedFingerprint;
    if (!given.rooms.isEmpty())
        account.rooms = given.rooms;
    if (!given.nick.isEmpty())
        account.nick = given.nick;
    return account;
}

// The user's answer to the first start's question, kept for the next start: the account in its
// file, the password in the secret store where one runs.
bool askForAccount(XmppAccount& account, QString& password, bool storeRuns, QString& error)
{
    std::printf("account dialog\n");
    std::fflush(stdout);
    AccountDialog dialog(account, storeRuns);
    if (dialog.exec() != QDialog::Accepted) {
        error = u"no account given"_s;
        return false;
    }
    account = dialog.account();
    password = dialog.password();
    if (!AccountFile(AccountFile::defaultPath()).save(account, error))
        return false;
    QString why;
    if (storeRuns &&
        PasswordStore::write(account.jid, password, why) != PasswordStore::Outcome::Done)
        std::fprintf(stderr, "verbalink-xmpp: the password is not kept: %s\n", qUtf8Printable(why));
    return true;
}

// The account and its password as given or stored; with a window and neither, the user is asked.
bool accountAndPassword(const ClientOptions& options, XmppAccount& account, QString& password,
                        QString& error)
{
    if (!options.passwordFile.isEmpty()) {
        error = account.problem();
        return error.isEmpty() && PasswordFile::read(options.passwordFile, password, error);
    }
    const PasswordStore::Outcome stored =
        PasswordStore::read(account.jid.isEmpty() ? u"-"_s : account.jid, password, error);
    if (stored == PasswordStore::Outcome::Done && account.problem().isEmpty())
        return true;
    if (options.window)
        return askForAccount(account, password, stored != PasswordStore::Outcome::Unavailable,
                             error);
    if (!account.problem().isEmpty()) {
        error = account.problem();
        return false;
    }
    error = u"no password for %1 (%2): give --password-file FILE, or store it in the secret "
            u"store"_s.arg(account.jid, error.isEmpty() ? u"none stored"_s : error);
    return false;
}

// The language the user writes in, for the stream's xml:lang: the locale's, English without one.
QString streamLanguage()
{
    const QString code = QLocale::system().name().section(u'_', 0, 0);
    return code.size() >= 2 && code != u"C"_s ? code : u"en"_s;
}

// The window's title follows the connection, its status line the attached program.
void showConnection(XmppWindowController& controller, const XmppWorld& world,
                    desktopapi::ApiBusService& bus, XmppConnection& connection)
{
    desktopapi::ChatWindow& window = controller.window();
    desktopapi::ChatStatusLine* status = window.statusLine();
    QObject::connect(&bus, &desktopapi::ApiBusService::commandReceived, status,
                     &desktopapi::ChatStatusLine::setLastCommand);
    QObject::connect(&bus, &desktopapi::ApiBusService::clientAttached, status,
                     [&world, status](const QString& client) {
                         status->setAttached(world.api().state().attachedApp, client);
                     });
    QObject::connect(&bus, &desktopapi::ApiBusService::clientDetached, status,
                     &desktopapi::ChatStatusLine::setDetached);
    QObject::connect(&connection, &XmppConnection::statusChanged, &window,
                     [&window](const QString& text) { window.setTitle(text); });
}

} // namespace

int main(int argc, char* argv[])
{
    // gloox writes to its socket without MSG_NOSIGNAL: a server gone mid-write must be a lost
    // connection to reconnect from, not a SIGPIPE that ends the client.
    std::signal(SIGPIPE, SIG_IGN);
    QApplication::setApplicationName(u"verbalink-xmpp"_s);
    QApplication::setApplicationVersion(QStringLiteral(VERBALINK_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    ClientOptions options;
    QString text;
    switch (ClientOptions::parse(arguments, options, text)) {
    case ClientOptions::Outcome::Help:
        std::fputs(qUtf8Printable(text), stdout);
        return 0;
    case ClientOptions::Outcome::Version:
        std::printf("verbalink-xmpp %s\n", VERBALINK_VERSION);
        return 0;
    case ClientOptions::Outcome::Bad:
        std::fprintf(stderr,
                     "verbalink-xmpp: %s\nTry 'verbalink-xmpp --help' for more information.\n",
                     qUtf8Printable(text));
        return 2;
    case ClientOptions::Outcome::Run:
        break;
    }
    std::unique_ptr<QCoreApplication> app = options.window
                                                ? std::make_unique<QApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);

    XmppAccount account = accountFor(options);
    QString password;
    QString error;
    if (!accountAndPassword(options, account, password, error))
        return fail(error);
    QStringList script;
    if (!options.script.isEmpty() && !readLines(options.script, script, error))
        return fail(error);

    desktopapi::ApiCommandLog commandLog;
    if (!commandLog.open(options.logFile, options.verbose))
        return fail(options.logFile + u": "_s + commandLog.errorString());
    QElapsedTimer clock;
    clock.start();
    XmppConnection connection(account, password, streamLanguage());
    connection.setVerbose(options.verbose);
    desktopapi::ApiBusService* service = nullptr;
    const auto log = [&options](const QString& line) {
        if (options.verbose)
            std::fprintf(stderr, "verbalink-xmpp: %s\n", qUtf8Printable(line));
    };
    XmppWorld world(
        {account.jid, {300, options.holdMs}}, connection, [&clock] { return clock.elapsed(); },
        [&service](const QString& line) {
            if (service)
                service->notifyClient(line);
        },
        log);
    connection.setWorld(world);

    desktopapi::ApiMessageLog messageLog;
    if (!options.messagesFile.isEmpty()) {
        if (!messageLog.open(options.messagesFile))
            return fail(options.messagesFile + u": "_s + messageLog.errorString());
        world.api().chats().addListener([&messageLog](desktopapi::ApiMessageChange change,
                                                      const desktopapi::ApiChatMessage& message) {
            messageLog.record(change, message);
        });
    }
    desktopapi::ApiBusService bus(world.api(), commandLog, QDBusConnection::sessionBus());
    if (!bus.start(error))
        return fail(error);
    service = &bus;

    ClientScript runner(world);
    QObject::connect(&bus, &desktopapi::ApiBusService::clientAttached, [&] {
        world.setAttached(true);
        runner.setAttached(true);
    });
    QObject::connect(&bus, &desktopapi::ApiBusService::clientDetached, [&] {
        world.setAttached(false);
        runner.setAttached(false);
    });
    QObject::connect(&connection, &XmppConnection::onlineChanged, [&runner](bool online) {
        runner.setOnline(online);
        if (online) {
            std::printf("online\n");
            std::fflush(stdout);
        }
    });
    QObject::connect(&connection, &XmppConnection::statusChanged,
                     [&log](const QString& status) { log(status); });
    QObject::connect(&runner, &ClientScript::quitRequested, app.get(), [&bus] {
        bus.releaseName();
        QCoreApplication::exit(0);
    });
    // The send schedule's windows and deadlines.
    QTimer wake;
    QObject::connect(&wake, &QTimer::timeout, [&world, &clock] {
        if (const std::optional<qint64> at = world.nextWake(); at && *at <= clock.elapsed())
            world.advance();
    });
    wake.start(20);

    std::unique_ptr<XmppWindowController> window;
    if (options.window) {
        window = std::make_unique<XmppWindowController>(world);
        showConnection(*window, world, bus, connection);
        window->show();
    }
    QObject::connect(&connection, &XmppConnection::certificateRefused, [](const QString& sha256) {
        std::printf("refused %s\n", qUtf8Printable(sha256));
        std::fflush(stdout);
    });
    std::printf("ready %s\n", qUtf8Printable(bus.uniqueName()));
    std::fflush(stdout);
    connection.start();
    // Directives from standard input when there is neither a script nor a window, as the
    // simulator takes them.
    std::unique_ptr<QSocketNotifier> input;
    QByteArray pending;
    if (options.script.isEmpty() && !options.window) {
        input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(input.get(), &QSocketNotifier::activated, [&runner, &input, &pending] {
            char buffer[4096];
            const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (got <= 0) {
                input->setEnabled(false);
                return;
            }
            pending.append(buffer, got);
            QStringList lines;
            for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
                lines.append(QString::fromUtf8(pending.left(end)));
                pending.remove(0, end + 1);
            }
            runner.run(lines);
        });
    }
    runner.run(script);
    return app->exec();
}

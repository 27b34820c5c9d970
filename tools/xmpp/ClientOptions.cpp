#include "ClientOptions.h"

#include "CertificateTrust.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

constexpr int MaxHoldMs = 60 * 1000;

} // namespace

ClientOptions::Outcome ClientOptions::parse(const QStringList& arguments, ClientOptions& options,
                                            QString& text)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"A chat client for an XMPP account that serves the desktop API on the session bus, "
        u"so that Verbalink translates real conversations."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Show the version."_s);
    const QCommandLineOption jid(u"jid"_s, u"The account's bare <JID>."_s, u"JID"_s);
    const QCommandLineOption password(
        u"password-file"_s, u"Read the password from <FILE> (mode 0600 or stricter)."_s, u"FILE"_s);
    const QCommandLineOption server(u"server"_s, u"Connect to <HOST:PORT>."_s, u"HOST:PORT"_s);
    const QCommandLineOption plain(u"allow-plain"_s,
                                   u"Connect without TLS (a loopback server only)."_s);
    const QCommandLineOption trust(u"trust-fingerprint"_s,
                                   u"Trust the certificate with this SHA-256 fingerprint."_s,
                                   u"SHA256"_s);
    const QCommandLineOption hold(
        u"hold-ms"_s, u"Wait up to <N> ms for a program's replacement (3000)."_s, u"N"_s);
    const QCommandLineOption room(u"room"_s, u"Join the group chat <ROOM> (repeatable)."_s,
                                  u"ROOM"_s);
    const QCommandLineOption nick(u"nick"_s, u"The nick in group chats."_s, u"NICK"_s);
    const QCommandLineOption window(u"window"_s, u"Show the chat window."_s);
    const QCommandLineOption script(u"script"_s, u"Run the directives of <FILE>."_s, u"FILE"_s);
    const QCommandLineOption messages(
        u"messages"_s, u"Log new chat messages and their changes to <FILE>."_s, u"FILE"_s);
    const QCommandLineOption log(u"log"_s, u"Log every received command to <FILE>."_s, u"FILE"_s);
    const QCommandLineOption verbose(u"verbose"_s, u"Also log to standard error."_s);
    parser.addOptions({help, version, jid, password, server, plain, trust, hold, room, nick, window,
                       script, messages, log, verbose});
    if (!parser.parse(arguments)) {
        text = parser.errorText();
        return Outcome::Bad;
    }
    if (parser.isSet(help)) {
        text = parser.helpText();
        return Outcome::Help;
    }
    if (parser.isSet(version))
        return Outcome::Version;
    if (!parser.positionalArguments().isEmpty()) {
        text = u"Unexpected argument: "_s + parser.positionalArguments().first();
        return Outcome::Bad;
    }
    XmppAccount& account = options.account;
    options.jidGiven = parser.isSet(jid);
    if (options.jidGiven)
        account.jid = parser.value(jid);
    options.serverGiven = parser.isSet(server);
    if (options.serverGiven)
        account.server = parser.value(server);
    if (parser.isSet(plain))
        account.allowPlain = true;
    if (parser.isSet(trust)) {
        account.trustedFingerprint = CertificateTrust::normalized(parser.value(trust));
        if (account.trustedFingerprint.isEmpty()) {
            text = u"--trust-fingerprint needs a SHA-256 fingerprint (64 hex digits)"_s;
            return Outcome::Bad;
        }
    }
    if (parser.isSet(room))
        account.rooms = parser.values(room);
    if (parser.isSet(nick))
        account.nick = parser.value(nick);
    if (parser.isSet(hold)) {
        bool isNumber = false;
        options.holdMs = parser.value(hold).toInt(&isNumber);
        if (!isNumber || options.holdMs < 0 || options.holdMs > MaxHoldMs) {
            text = u"--hold-ms needs a time from 0 to %1 ms"_s.arg(MaxHoldMs);
            return Outcome::Bad;
        }
    }
    options.passwordFile = parser.value(password);
    options.window = parser.isSet(window);
    options.script = parser.value(script);
    options.messagesFile = parser.value(messages);
    options.logFile = parser.value(log);
    options.verbose = parser.isSet(verbose);
    return Outcome::Run;
}

} // namespace verbalink::xmpp

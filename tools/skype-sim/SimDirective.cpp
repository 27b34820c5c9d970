#include "SimDirective.h"

#include "ApiChats.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

namespace {

using Kind = SimDirective::Kind;

ParsedDirective failure(const QString& error)
{
    return {{}, error};
}

ParsedDirective success(SimDirective directive)
{
    return {std::move(directive), {}};
}

ParsedDirective withoutArguments(Kind kind, const QString& word, const QString& rest)
{
    if (!rest.isEmpty())
        return failure(word + u" takes no arguments"_s);
    SimDirective directive;
    directive.kind = kind;
    return success(directive);
}

ParsedDirective withDelay(Kind kind, const QString& word, const QString& rest)
{
    bool isNumber = false;
    const int ms = rest.toInt(&isNumber);
    if (!isNumber || ms < 0 || ms > SimDirectiveParser::MaxDelayMs)
        return failure(word + u" needs a delay in milliseconds (0.."_s +
                       QString::number(SimDirectiveParser::MaxDelayMs) + u')');
    SimDirective directive;
    directive.kind = kind;
    directive.ms = ms;
    return success(directive);
}

ParsedDirective withWord(Kind kind, const QString& word, const QString& rest)
{
    if (rest.isEmpty() || rest.contains(u' '))
        return failure(word + u" needs exactly one word"_s);
    SimDirective directive;
    directive.kind = kind;
    directive.text = rest;
    return success(directive);
}

// A directive whose text is the rest of the line as written; `missing` says what it lacks.
ParsedDirective withText(Kind kind, const QString& missing, const QString& rest)
{
    if (rest.isEmpty())
        return failure(missing);
    SimDirective directive;
    directive.kind = kind;
    directive.text = rest;
    return success(directive);
}

ParsedDirective onOrOff(Kind kind, const QString& word, const QString& rest)
{
    if (rest != u"on" && rest != u"off")
        return failure(word + u" needs on or off"_s);
    SimDirective directive;
    directive.kind = kind;
    directive.on = rest == u"on";
    return success(directive);
}

ParsedDirective ownHandle(const QString& rest)
{
    if (!desktopapi::ApiChats::isValidHandle(rest))
        return failure(u"handle needs one word without #, /, $, ; or ,"_s);
    SimDirective directive;
    directive.kind = Kind::Handle;
    directive.text = rest;
    return success(directive);
}

// user <handle> <language code> [full name ...]
ParsedDirective user(const QString& rest)
{
    const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2)
        return failure(u"user needs a handle, a language code and an optional full name"_s);
    // Chat names are made of handles, so one the window or a script could not write to is out.
    if (!desktopapi::ApiChats::isValidHandle(words.at(0)))
        return failure(u"user needs a handle without #, /, $, ; or ,"_s);
    SimDirective directive;
    directive.kind = Kind::User;
    directive.text = words.at(0);
    // "-" stands for a user whose language the client does not know.
    directive.language = words.at(1) == u"-" ? QString() : words.at(1);
    directive.fullName = words.mid(2).join(u' ');
    return success(directive);
}

// The text after the first `words` words of the line and the single space after them, kept as
// written; empty when there is none.
QString textAfterWords(const QString& line, int words)
{
    qsizetype at = 0;
    for (int i = 0; i < words; ++i) {
        while (at < line.size() && line.at(at).isSpace())
            ++at;
        while (at < line.size() && !line.at(at).isSpace())
            ++at;
    }
    QString text = line.mid(at + 1);
    if (text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

// avatar <handle> on|off
ParsedDirective avatar(const QString& rest)
{
    const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2 || (words.at(1) != u"on" && words.at(1) != u"off"))
        return failure(u"avatar needs a handle and on or off"_s);
    SimDirective directive;
    directive.kind = Kind::Avatar;
    directive.text = words.at(0);
    directive.on = words.at(1) == u"on";
    return success(directive);
}

// type <handle> <text>, receive <handle> <text>, type-group <text>, receive-group <handle> <text>
ParsedDirective message(Kind kind, const QString& word, const QString& line, const QString& rest)
{
    const bool withHandle = kind != Kind::TypeGroup;
    SimDirective directive;
    directive.kind = kind;
    if (withHandle) {
        directive.text = rest.section(u' ', 0, 0);
        if (!desktopapi::ApiChats::isValidHandle(directive.text))
            return failure(word + u" needs a handle (no spaces, #, /, $, ; or ,) and a text"_s);
    }
    directive.body = textAfterWords(line, withHandle ? 2 : 1);
    if (directive.body.isEmpty())
        return failure(word + u" needs the text of the message"_s);
    return success(directive);
}

// "-" stands for a connection that carries no audio.
QString audioFile(const QString& word)
{
    return word == u"-" ? QString() : word;
}

// call <id> <handle> <mic.wav|-> <output.wav|->
ParsedDirective call(const QString& rest)
{
    const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 4 || !desktopapi::ApiChats::isValidHandle(words.at(1)))
        return failure(u"call needs an id, a handle and two WAV files (or -)"_s);
    SimDirective directive;
    directive.kind = Kind::Call;
    directive.call = words.at(0);
    directive.text = words.at(1);
    directive.micFile = audioFile(words.at(2));
    directive.outputFile = audioFile(words.at(3));
    return success(directive);
}

} // namespace

ParsedDirective SimDirectiveParser::parse(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
        return success({});
    const qsizetype space = trimmed.indexOf(u' ');
    const QString word = space < 0 ? trimmed : trimmed.left(space);
    // notify keeps its line exactly as written after the single separating space.
    if (word == u"notify") {
        const QString raw = line.mid(line.indexOf(word) + word.size() + 1);
        return withText(Kind::Notify, u"notify needs the line to send"_s,
                        raw.endsWith(u'\r') ? raw.chopped(1) : raw);
    }
    const QString rest = space < 0 ? QString() : trimmed.mid(space + 1).trimmed();
    if (word == u"accept")
        return withoutArguments(Kind::Accept, word, rest);
    if (word == u"refuse")
        return withoutArguments(Kind::Refuse, word, rest);
    if (word == u"offline")
        return withoutArguments(Kind::Offline, word, rest);
    if (word == u"vanish")
        return withoutArguments(Kind::Vanish, word, rest);
    if (word == u"quit")
        return withoutArguments(Kind::Quit, word, rest);
    if (word == u"wait-attach")
        return withoutArguments(Kind::WaitAttach, word, rest);
    if (word == u"pending")
        return withDelay(Kind::Pending, word, rest);
    if (word == u"sleep")
        return withDelay(Kind::Sleep, word, rest);
    if (word == u"silent-ping")
        return onOrOff(Kind::SilentPing, word, rest);
    if (word == u"errors")
        return onOrOff(Kind::Errors, word, rest);
    if (word == u"dbus-error")
        return withoutArguments(Kind::BusError, word, rest);
    if (word == u"stall")
        return withDelay(Kind::Stall, word, rest);
    if (word == u"handle")
        return ownHandle(rest);
    if (word == u"language")
        return withWord(Kind::Language, word, rest);
    if (word == u"user")
        return user(rest);
    if (word == u"avatar")
        return avatar(rest);
    if (word == u"type")
        return message(Kind::Type, word, line, rest);
    if (word == u"receive")
        return message(Kind::Receive, word, line, rest);
    if (word == u"type-group")
        return message(Kind::TypeGroup, word, line, rest);
    if (word == u"call")
        return call(rest);
    if (word == u"call-end")
        return withWord(Kind::CallEnd, word, rest);
    // A path may hold spaces.
    if (word == u"call-input")
        return withText(Kind::CallInput, u"call-input needs a file"_s, rest);
    if (word == u"receive-group")
        return message(Kind::ReceiveGroup, word, line, rest);
    return failure(u"unknown directive: "_s + word);
}

} // namespace verbalink::sim

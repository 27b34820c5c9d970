#include "SimDirective.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::sim;
using Kind = SimDirective::Kind;

TEST(SimDirectiveParserTest, ParsesEveryDirective)
{
    struct Case {
        QString line;
        Kind kind;
        QString text;
        int ms;
        bool on;
    };
    const Case cases[] = {
        {u""_s, Kind::Nothing, {}, 0, false},
        {u"   "_s, Kind::Nothing, {}, 0, false},
        {u"# a comment"_s, Kind::Nothing, {}, 0, false},
        {u"notify CHATMESSAGE 7 STATUS RECEIVED"_s, Kind::Notify,
         u"CHATMESSAGE 7 STATUS RECEIVED"_s, 0, false},
        // The notified line is kept as written: commas, tabs, repeated spaces, non-ASCII.
        {u"notify CHATMESSAGE 7 BODY a,  b\tç"_s, Kind::Notify, u"CHATMESSAGE 7 BODY a,  b\tç"_s, 0,
         false},
        {u"accept"_s, Kind::Accept, {}, 0, false},
        {u"refuse"_s, Kind::Refuse, {}, 0, false},
        {u" offline "_s, Kind::Offline, {}, 0, false},
        {u"pending 1500"_s, Kind::Pending, {}, 1500, false},
        {u"pending 0"_s, Kind::Pending, {}, 0, false},
        {u"sleep 250"_s, Kind::Sleep, {}, 250, false},
        {u"silent-ping on"_s, Kind::SilentPing, {}, 0, true},
        {u"silent-ping off"_s, Kind::SilentPing, {}, 0, false},
        {u"errors on"_s, Kind::Errors, {}, 0, true},
        {u"errors off"_s, Kind::Errors, {}, 0, false},
        {u"dbus-error"_s, Kind::BusError, {}, 0, false},
        {u"stall 5000"_s, Kind::Stall, {}, 5000, false},
        {u"handle bob"_s, Kind::Handle, u"bob"_s, 0, false},
        {u"language pt-br"_s, Kind::Language, u"pt-br"_s, 0, false},
        {u"vanish"_s, Kind::Vanish, {}, 0, false},
        {u"wait-attach"_s, Kind::WaitAttach, {}, 0, false},
        {u"quit\r"_s, Kind::Quit, {}, 0, false},
    };
    for (const Case& c : cases) {
        const ParsedDirective parsed = SimDirectiveParser::parse(c.line);
        SCOPED_TRACE(c.line.toStdString());
        ASSERT_TRUE(parsed.ok()) << qPrintable(parsed.error);
        EXPECT_EQ(parsed.directive.kind, c.kind);
        EXPECT_EQ(parsed.directive.text, c.text);
        EXPECT_EQ(parsed.directive.ms, c.ms);
        EXPECT_EQ(parsed.directive.on, c.on);
    }
}

TEST(SimDirectiveParserTest, UserTakesHandleLanguageAndName)
{
    const ParsedDirective parsed = SimDirectiveParser::parse(u"user bob de Bob Brown"_s);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.directive.kind, Kind::User);
    EXPECT_EQ(parsed.directive.text, u"bob"_s);
    EXPECT_EQ(parsed.directive.language, u"de"_s);
    EXPECT_EQ(parsed.directive.fullName, u"Bob Brown"_s);
}

TEST(SimDirectiveParserTest, MessageDirectivesKeepTheirTextAsWritten)
{
    struct Case {
        QString line;
        Kind kind;
        QString handle;
        QString body;
    };
    const Case cases[] = {
        {u"type bob hello"_s, Kind::Type, u"bob"_s, u"hello"_s},
        {u"type bob a,  b\tç "_s, Kind::Type, u"bob"_s, u"a,  b\tç "_s},
        {u"  receive   bob  two spaces\r"_s, Kind::Receive, u"bob"_s, u" two spaces"_s},
        {u"type-group hi all"_s, Kind::TypeGroup, {}, u"hi all"_s},
        {u"receive-group carol hi, alice"_s, Kind::ReceiveGroup, u"carol"_s, u"hi, alice"_s},
    };
    for (const Case& c : cases) {
        const ParsedDirective parsed = SimDirectiveParser::parse(c.line);
        SCOPED_TRACE(c.line.toStdString());
        ASSERT_TRUE(parsed.ok()) << qPrintable(parsed.error);
        EXPECT_EQ(parsed.directive.kind, c.kind);
        EXPECT_EQ(parsed.directive.text, c.handle);
        EXPECT_EQ(parsed.directive.body, c.body);
    }
}

TEST(SimDirectiveParserTest, AvatarAndUnknownLanguage)
{
    const ParsedDirective off = SimDirectiveParser::parse(u"avatar bob off"_s);
    ASSERT_TRUE(off.ok());
    EXPECT_EQ(off.directive.kind, Kind::Avatar);
    EXPECT_EQ(off.directive.text, u"bob"_s);
    EXPECT_FALSE(off.directive.on);
    EXPECT_TRUE(SimDirectiveParser::parse(u"avatar bob on"_s).directive.on);
    const ParsedDirective unknown = SimDirectiveParser::parse(u"user bob - Bob"_s);
    ASSERT_TRUE(unknown.ok());
    EXPECT_TRUE(unknown.directive.language.isEmpty());
}

TEST(SimDirectiveParserTest, CallDirectivesTakeIdPartnerAndFiles)
{
    struct Case {
        QString line;
        Kind kind;
        QString call;
        QString text;
        QString mic;
        QString output;
    };
    const Case cases[] = {
        {u"call 7 bob mic.wav /tmp/out.wav"_s, Kind::Call, u"7"_s, u"bob"_s, u"mic.wav"_s,
         u"/tmp/out.wav"_s},
        // "-": that connection carries no audio.
        {u"call  x1 bob - -\r"_s, Kind::Call, u"x1"_s, u"bob"_s, {}, {}},
        {u"call-end 7"_s, Kind::CallEnd, {}, u"7"_s, {}, {}},
        {u"call-input /tmp/heard by bob.raw"_s,
         Kind::CallInput,
         {},
         u"/tmp/heard by bob.raw"_s,
         {},
         {}},
    };
    for (const Case& c : cases) {
        const ParsedDirective parsed = SimDirectiveParser::parse(c.line);
        SCOPED_TRACE(c.line.toStdString());
        ASSERT_TRUE(parsed.ok()) << qPrintable(parsed.error);
        EXPECT_EQ(parsed.directive.kind, c.kind);
        EXPECT_EQ(parsed.directive.call, c.call);
        EXPECT_EQ(parsed.directive.text, c.text);
        EXPECT_EQ(parsed.directive.micFile, c.mic);
        EXPECT_EQ(parsed.directive.outputFile, c.output);
    }
}

TEST(SimDirectiveParserTest, RejectsBadLinesWithAReason)
{
    const QString bad[] = {
        u"frobnicate"_s,
        u"Notify PONG"_s,
        u"notify"_s,
        u"notify "_s,
        u"pending"_s,
        u"pending -1"_s,
        u"pending 1.5"_s,
        u"pending soon"_s,
        u"pending 99999999999"_s,
        u"sleep"_s,
        u"sleep 3600001"_s,
        u"silent-ping"_s,
        u"silent-ping yes"_s,
        u"errors"_s,
        u"errors all"_s,
        u"refuse now"_s,
        u"quit 0"_s,
        u"handle"_s,
        u"handle two words"_s,
        u"language"_s,
        u"user bob"_s,
        // Handles become parts of chat names.
        u"user b#b de"_s,
        u"user a,b de Ann"_s,
        u"handle a/b"_s,
        u"wait-attach now"_s,
        u"type"_s,
        u"type bob"_s,
        u"type bob "_s,
        u"type b#b hi"_s,
        u"type a/b hi"_s,
        u"receive x;1 hi"_s,
        u"receive bob"_s,
        u"type-group"_s,
        u"type-group "_s,
        u"receive-group bob"_s,
        u"avatar bob"_s,
        u"avatar bob maybe"_s,
        u"avatar"_s,
        u"call"_s,
        u"call 7 bob mic.wav"_s,
        u"call 7 bob a.wav b.wav c.wav"_s,
        u"call 7 b#b - -"_s,
        u"call-end"_s,
        u"call-end 7 8"_s,
        u"call-input"_s,
    };
    for (const QString& line : bad) {
        const ParsedDirective parsed = SimDirectiveParser::parse(line);
        EXPECT_FALSE(parsed.ok()) << qPrintable(line);
        EXPECT_EQ(parsed.directive.kind, Kind::Nothing) << qPrintable(line);
    }
    EXPECT_TRUE(SimDirectiveParser::parse(u"frobnicate"_s).error.contains(u"frobnicate"_s));
}

#include "skype/ChatMessageEvent.h"

#include "skype/ContactNotifications.h"
#include "skype/SkypeText.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

struct ParseCase {
    const char* argument;
    bool valid;
    qint32 id;
    const char* property;
    const char* status;
    const char* value;
};

TEST(ChatMessageEventTest, ParsesIdPropertyStatusAndRawValue)
{
    const ParseCase cases[] = {
        {"7 STATUS SENDING", true, 7, "STATUS", "SENDING", "SENDING"},
        {"7 BODY a, b", true, 7, "BODY", "a", "a, b"},
        {"7 BODY  two  spaces\tand tab", true, 7, "BODY", "two", " two  spaces\tand tab"},
        {"7 BODY", true, 7, "BODY", "", ""},
        {"7 FROM_HANDLE bob", true, 7, "FROM_HANDLE", "bob", "bob"},
        {"7,\tSTATUS,SENT", true, 7, "STATUS", "SENT", ""},
        {"-5 STATUS READ", true, -5, "STATUS", "READ", "READ"},
        {"2147483647 STATUS RECEIVED", true, 2147483647, "STATUS", "RECEIVED", "RECEIVED"},
        {"12 CHATNAME #alice/$bob;9f1", true, 12, "CHATNAME", "#alice/$bob;9f1", "#alice/$bob;9f1"},
        {"7", true, 7, "", "", ""},
        {"2147483648 STATUS SENDING", false, 0, "", "", ""},
        {"7x STATUS SENDING", false, 0, "", "", ""},
        {"STATUS SENDING", false, 0, "", "", ""},
        {"", false, 0, "", "", ""},
        {" , \t", false, 0, "", "", ""},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.argument);
        const QString argument = QString::fromUtf8(c.argument);
        const std::optional<ChatMessageEvent> event = ChatMessageEvent::parse(argument);
        ASSERT_EQ(event.has_value(), c.valid);
        if (!event)
            continue;
        EXPECT_EQ(event->id, c.id);
        EXPECT_EQ(event->property.toStdString(), c.property);
        EXPECT_EQ(event->status.toStdString(), c.status);
        EXPECT_EQ(event->value.toStdString(), c.value);
        EXPECT_EQ(event->argument, argument);
    }
}

TEST(SkypeTextTest, TextBetweenNeedsBothMarksInOrder)
{
    namespace st = skypetext;
    EXPECT_EQ(st::textBetween(u"#alice/$bob;9f1", u"/$", u";"), u"bob");
    EXPECT_EQ(st::textBetween(u"#alice/$bob;9f1", u"#", u"/"), u"alice");
    EXPECT_TRUE(st::textBetween(u"#alice/$9f1", u"/$", u";").isEmpty());
    EXPECT_TRUE(st::textBetween(u"a;b/$c", u"/$", u";").isEmpty());
    EXPECT_TRUE(st::textBetween(u"#/", u"#", u"/").isEmpty());
}

TEST(SkypeTextTest, TokensDropEmptiesAndStopAtTheLimit)
{
    namespace st = skypetext;
    const QList<QStringView> all = st::tokens(u",a,, b\t\tc ,");
    EXPECT_EQ(all, (QList<QStringView>{u"a", u"b", u"c"}));
    EXPECT_EQ(st::tokens(u"a b c d", 2), (QList<QStringView>{u"a", u"b"}));
    EXPECT_TRUE(st::tokens(u"").isEmpty());
}

TEST(ContactNotificationsTest, LanguageValueRules)
{
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"de German", "de"}, {u"de", "de"},       {u"x", "en"},
        {u"", "en"},          {u"pt-BR", "pt-BR"}, {u" de", " de"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ContactNotifications::languageFromValue(value), QByteArray(expected));
}

} // namespace
} // namespace verbalink

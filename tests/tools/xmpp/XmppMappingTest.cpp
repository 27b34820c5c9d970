// The pieces that turn XMPP's names and texts into the desktop API's: flags, handles, languages.
#include "ApiChats.h"
#include "ApiState.h"
#include "ContactBook.h"
#include "FlagCodes.h"
#include "HandleTable.h"
#include "PhotoHashes.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::xmpp;
using verbalink::desktopapi::ApiChats;
using verbalink::desktopapi::ApiState;

TEST(FlagCodesTest, CodesBecomeRegionalIndicatorsAndNothingElseChanges)
{
    const QString spain = u"\U0001F1EA\U0001F1F8"_s;
    const QString germany = u"\U0001F1E9\U0001F1EA"_s;
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {u"(flag:es)"_s, spain},
        {u"Hola (FLAG:Es)!"_s, u"Hola "_s + spain + u'!'},
        {u"(flag:de)(flag:es)"_s, germany + spain},
        {u"(flag:(flag:es)"_s, u"(flag:"_s + spain},
        {u"(flag:e)"_s, u"(flag:e)"_s},
        {u"(flag:e1) (flag:ñe) (flag:esp)"_s, u"(flag:e1) (flag:ñe) (flag:esp)"_s},
        {u"(flag:es"_s, u"(flag:es"_s},
        {u"(flag:"_s, u"(flag:"_s},
        {u"(smile) no flags"_s, u"(smile) no flags"_s},
        {u""_s, u""_s},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(FlagCodes::toUnicode(text), expected) << qPrintable(text);
}

TEST(HandleTableTest, AJidIsItsOwnHandleAndAnyOtherGetsAKeptOne)
{
    HandleTable table;
    EXPECT_EQ(table.forJid(u"bob@example.org"_s), u"bob@example.org"_s);
    // Local parts may hold what chat names use as delimiters.
    const QString odd = table.forJid(u"a#b$c;d,e@example.org"_s);
    EXPECT_EQ(odd, u"a_b_c_d_e@example.org"_s);
    EXPECT_EQ(table.forJid(u"a_b$c;d,e@example.org"_s), u"a_b_c_d_e@example.org~2"_s);
    EXPECT_EQ(table.forJid(u"a#b$c;d,e@example.org"_s), odd);
    EXPECT_EQ(table.addressOf(odd), u"a#b$c;d,e@example.org"_s);
    EXPECT_EQ(table.addressOf(u"a_b_c_d_e@example.org~2"_s), u"a_b$c;d,e@example.org"_s);
    EXPECT_TRUE(table.addressOf(u"nobody@example.org"_s).isEmpty());

    const QString room = u"lounge@rooms.example.org"_s;
    EXPECT_EQ(table.forOccupant(room, u"Bob"_s, u"bob@example.org"_s), u"bob@example.org"_s);
    const QString hidden = table.forOccupant(room, u"Carol / B"_s, {});
    EXPECT_EQ(hidden, u"Carol___B~lounge@rooms.example.org"_s);
    EXPECT_EQ(table.forOccupant(room, u"Carol / B"_s, {}), hidden);
    EXPECT_EQ(table.addressOf(hidden), room + u"/Carol / B"_s);
    EXPECT_NE(table.forOccupant(u"other@rooms.example.org"_s, u"Carol / B"_s, {}), hidden);
    for (const QString& handle :
         {odd, hidden, table.forJid(u" "_s), table.forOccupant(room, {}, {})})
        EXPECT_TRUE(ApiChats::isValidHandle(handle)) << qPrintable(handle);
}

TEST(ContactBookTest, NamesAndLanguagesComeInTheirOrder)
{
    ApiState state;
    ContactBook book(state);
    const auto user = [&state](const QString& handle) {
        const auto* found = state.findUser(handle);
        return found ? found->fullName + u'|' + found->language +
                           (found->isFriend ? u"|friend"_s : u""_s)
                     : u"none"_s;
    };
    const QString bob = u"bob@example.org"_s;
    book.putRosterItem(bob, {});
    EXPECT_EQ(user(bob), u"||friend"_s);
    book.setCardName(bob, u"Robert Brown"_s);
    EXPECT_EQ(user(bob), u"Robert Brown||friend"_s);
    book.putRosterItem(bob, u"Bob"_s);
    EXPECT_EQ(user(bob), u"Bob||friend"_s);
    book.heardLanguage(bob, u"es-ES"_s);
    EXPECT_EQ(user(bob), u"Bob|es|friend"_s);
    // A message without a language keeps the one heard last.
    book.heardLanguage(bob, {});
    EXPECT_EQ(user(bob), u"Bob|es|friend"_s);
    book.chooseLanguage(bob, u"ca"_s);
    book.heardLanguage(bob, u"fr"_s);
    EXPECT_EQ(user(bob), u"Bob|ca|friend"_s);
    book.chooseLanguage(bob, {});
    EXPECT_EQ(user(bob), u"Bob|fr|friend"_s);
    book.removeRosterItem(bob);
    EXPECT_EQ(user(bob), u"Robert Brown|fr"_s);

    book.meet(u"Carol~lounge@rooms"_s, u"Carol"_s);
    EXPECT_EQ(user(u"Carol~lounge@rooms"_s), u"Carol|"_s);
    EXPECT_TRUE(book.picture(bob).isNull());
}

TEST(ContactBookTest, OnlyLanguageTagsGiveALanguage)
{
    const struct {
        QString lang;
        QString code;
    } cases[] = {
        {u"es"_s, u"es"_s}, {u"ES-es"_s, u"es"_s},      {u"pt_BR"_s, u"pt"_s}, {u"ast"_s, u"ast"_s},
        {u"e"_s, {}},       {u"english"_s, {}},         {u"e1"_s, {}},         {u"-es"_s, {}},
        {u""_s, {}},        {u"zh-Hant-TW"_s, u"zh"_s}, {u"\u00e9s"_s, {}}};
    for (const auto& [lang, code] : cases)
        EXPECT_EQ(ContactBook::primaryLanguage(lang), code) << qPrintable(lang);
}

TEST(PhotoHashesTest, OnlyAHashOtherThanTheLastOneAsksForTheCardAgain)
{
    PhotoHashes hashes;
    const QString bob = u"bob@example.org"_s;
    const struct {
        QString jid;
        QString hash;
        bool changed;
    } steps[] = {
        {bob, {}, false},                          // no photo, as before anything was seen
        {bob, u"a1b2"_s, true},                    // a photo
        {bob, u"A1B2 "_s, false},                  // the same one, as another client writes it
        {u"carol@example.org"_s, u"a1b2"_s, true}, // each contact on their own
        {bob, u"c3d4"_s, true},                    // a new photo
        {bob, {}, true},                           // taken away
        {u"dave@example.org"_s, u"e5f6"_s, true},  // first seen with one
    };
    for (const auto& step : steps)
        EXPECT_EQ(hashes.announce(step.jid, step.hash), step.changed)
            << qPrintable(step.jid + u' ' + step.hash);
}

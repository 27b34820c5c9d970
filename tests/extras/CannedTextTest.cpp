#include "extras/GreetingTable.h"
#include "extras/TextArtPictures.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

TEST(GreetingTable, SevenOccasionsWithTheirCountsAndSizes)
{
    const GreetingTable table = GreetingTable::builtIn();
    const std::pair<QString, int> occasions[] = {
        {u"Mother's Day"_s, 9}, {u"Woman's Day"_s, 9}, {u"New Year"_s, 10},        {u"Funny"_s, 14},
        {u"Birthday"_s, 13},    {u"Halloween"_s, 12},  {u"Valentine's Day"_s, 28},
    };
    QStringList names;
    for (const auto& [name, count] : occasions) {
        names.append(name);
        const QStringList greetings = table.greetings(name);
        EXPECT_EQ(greetings.size(), count) << qPrintable(name);
        for (const QString& greeting : greetings) {
            EXPECT_GE(greeting.size(), 38);
            EXPECT_LE(greeting.size(), 447);
            // Several lines, so the list shows a first line and "...".
            EXPECT_TRUE(greeting.contains(u"\r\n"_s));
            EXPECT_TRUE(shortForm(greeting).endsWith(u"..."_s));
            EXPECT_FALSE(shortForm(greeting).contains(u'\r'));
        }
    }
    EXPECT_EQ(table.categoryNames(), names);
    EXPECT_TRUE(table.greetings(u"halloween"_s).isEmpty()); // names match exactly
}

TEST(TextArtPictures, TwentyTwoEffectsFoundByExactName)
{
    const TextArtPictures pictures = TextArtPictures::builtIn();
    const QStringList names{u"Christmas tree"_s,
                            u"Sun"_s,
                            u"Heart"_s,
                            u"Camel"_s,
                            u"Cat face"_s,
                            u"OK"_s,
                            u"House"_s,
                            u"Sex"_s,
                            u"Pistol"_s,
                            u"Big Foot"_s,
                            u"Cool"_s,
                            u"I Miss You"_s,
                            u"LOL"_s,
                            u"Big House"_s,
                            u"I Love You"_s,
                            u"Girl"_s,
                            u"Sunny beach"_s,
                            u"Ship"_s,
                            u"Tree"_s,
                            u"Ying Yang"_s,
                            u"Pac-man"_s,
                            u"Pig"_s};
    ASSERT_EQ(pictures.names(), names);
    for (const QString& name : names) {
        const QString picture = pictures.picture(name).value_or(QString());
        const qsizetype lines = picture.count(u"\r\n"_s) + 1;
        EXPECT_TRUE(lines >= 5 && lines <= 26) << qPrintable(name);
        EXPECT_TRUE(picture.size() >= 31 && picture.size() <= 1646) << qPrintable(name);
        // The four drawn with characters use no emoticon codes; the others are mosaics of them.
        static const QRegularExpression code(u"\\([a-z*]{1,9}\\)"_s);
        const bool plain = QStringList{u"Camel"_s, u"Cat face"_s, u"Pistol"_s, u"Big Foot"_s}
                               .contains(name);
        const qsizetype codes = picture.count(code);
        EXPECT_TRUE(plain ? codes == 0 : codes >= 20) << qPrintable(name) << " " << codes;
    }
    EXPECT_FALSE(pictures.picture(u"sun"_s));
    EXPECT_FALSE(pictures.picture(u"Sun "_s));
}

TEST(CannedText, DamagedDataIsRefusedWithAReason)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {"not json", ""},
        {R"({"effects": {}})", "no list"},
        {R"({"effects": [{"name": "Sun", "lines": "one line"}]})", "not a list of lines"},
        {R"({"effects": [{"name": "Sun", "lines": [1, 2]}]})", "not a list of lines"},
        {R"({"effects": [{"lines": ["a"]}]})", "without a name"},
    };
    for (const auto& [json, reason] : cases) {
        QString error;
        EXPECT_FALSE(readCannedGroups(json, u"effects"_s, u"lines"_s, false, error))
            << json.constData();
        EXPECT_TRUE(error.contains(QString::fromLatin1(reason))) << qPrintable(error);
    }
    EXPECT_EQ(shortForm(u"one line only"_s), u"one line only"_s);
}

} // namespace
} // namespace verbalink

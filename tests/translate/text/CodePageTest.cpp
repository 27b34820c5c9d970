#include "translate/text/CodePage.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

using namespace verbalink;
using namespace Qt::StringLiterals;

TEST(CodePage, DeclaredEncodingsMapToTheirCodePages)
{
    const struct {
        const char* name;
        int number;
        const char* charset;
    } table[] = {
        {"UTF-8", 65001, "UTF-8"},
        {"utf-8", 65001, "UTF-8"},
        {"ISO8859-1", 28591, "ISO-8859-1"},
        {"iso8859-5", 28595, "ISO-8859-5"},
        {"ISO8859-9", 28599, "ISO-8859-9"},
        {"ISO8859-10", 865, "ISO-8859-10"},
        {"ISO8859-13", 1257, "ISO-8859-13"},
        {"ISO8859-14", 28605, "ISO-8859-14"},
        {"ISO8859-15", 28605, "ISO-8859-15"},
        {"KOI8-R", 20866, "KOI8-R"},
        {"koi8-u", 21866, "KOI8-U"},
        {"microsoft-cp1251", 1251, "CP1251"},
        {"Windows-1251", 1251, "CP1251"},
        {"ISCII-DEVANAGARI", 57002, ""},
    };
    for (const auto& row : table) {
        const std::optional<CodePage> page = CodePage::fromEncodingName(row.name);
        ASSERT_TRUE(page) << row.name;
        EXPECT_EQ(page->number(), row.number) << row.name;
        EXPECT_EQ(page->charset(), QByteArray(row.charset)) << row.name;
    }
    for (const char* unknown :
         {"", "ISO8859-11", "ISO8859-16", "UTF8", "ISO-8859-1", "cp1252", "UTF-8 ", "TIS620-2533"})
        EXPECT_EQ(CodePage::fromEncodingName(unknown), std::nullopt) << unknown;
}

TEST(CodePage, RoundTripsWordsThroughEightBitEncodings)
{
    const struct {
        int number;
        QString word;
        QByteArray bytes;
    } cases[] = {
        {28591, u"caf\u00e9"_s, "caf\xe9"},
        {28605, u"\u20ac5"_s,
         "\xa4"
         "5"},
        {20866, u"\u043c\u0438\u0440"_s, "\xcd\xc9\xd2"}, // KOI8-R
        {1251, u"\u043c\u0438\u0440"_s, "\xec\xe8\xf0"},  // CP1251
        {21866, u"\u0457"_s, "\xa7"},                     // KOI8-U yi
        {865, u"\u00f8"_s, "\x9b"},                       // DOS Nordic o-slash
        {65001, u"caf\u00e9"_s, "caf\xc3\xa9"},
        {CodePage::SystemAnsi, u"caf\u00e9"_s, "caf\xc3\xa9"}, // the locale's: UTF-8
    };
    for (const auto& c : cases) {
        const CodePage page(c.number);
        EXPECT_EQ(page.encode(c.word, 1024), c.bytes) << c.number;
        EXPECT_EQ(page.decode(c.bytes, 1024), c.word) << c.number;
    }
    // A Latin-6 dictionary is read as Latin-6 although its number is the DOS Nordic page's.
    const std::optional<CodePage> latin6 = CodePage::fromEncodingName("ISO8859-10");
    ASSERT_TRUE(latin6);
    EXPECT_EQ(latin6->encode(u"\u0138"_s, 1024), QByteArray("\xff")); // kra
}

TEST(CodePage, EncodeLimitCountsTheNulAndSubstitutesWhatDoesNotFit)
{
    const CodePage latin1(28591);
    EXPECT_EQ(latin1.encode(u"abc"_s, 4), QByteArray("abc"));
    EXPECT_EQ(latin1.encode(u"abc"_s, 3), std::nullopt);
    EXPECT_EQ(latin1.encode(QString(), 1), QByteArray());
    EXPECT_EQ(latin1.encode(QString(), 0), std::nullopt);
    EXPECT_EQ(latin1.encode(u"a\u043cb"_s, 1024), QByteArray("a?b"));
    EXPECT_EQ(latin1.encode(QString::fromUcs4(U"x\U0001F600y"), 1024), QByteArray("x?y"))
        << "a surrogate pair is one character";
    const QString lone = u"x"_s + QChar(char16_t(0xDC00)) + u"y"_s;
    EXPECT_EQ(latin1.encode(lone, 1024), QByteArray("x?y"));
    EXPECT_EQ(CodePage(65001).encode(lone, 1024), QByteArray("x?y"));
    // 1023 bytes and the NUL fill the spell checker's 1024-byte buffer exactly.
    EXPECT_EQ(latin1.encode(QString(1023, u'a'), 1024)->size(), 1023);
    EXPECT_EQ(latin1.encode(QString(1024, u'a'), 1024), std::nullopt);
    EXPECT_EQ(CodePage(65001).encode(QString(512, QChar(0xE9)), 1024), std::nullopt);
}

TEST(CodePage, DecodeLimitAndUnavailableCharsets)
{
    const CodePage koi8r(20866);
    EXPECT_EQ(koi8r.decode("\xcd\xc9\xd2", 3), u"\u043c\u0438\u0440"_s);
    EXPECT_EQ(koi8r.decode("\xcd\xc9\xd2", 2), std::nullopt);
    EXPECT_EQ(koi8r.decode(QByteArrayView(), 0), QString());
    EXPECT_EQ(CodePage(1251).decode("a\x98z", 10), u"a\ufffdz"_s) << "0x98 is unassigned";
    EXPECT_EQ(CodePage(65001).decode("a\xc3", 10), u"a\ufffd"_s);
    EXPECT_EQ(koi8r.decode(QByteArray(5000, 'x'), 5000)->size(), 5000);

    constexpr qsizetype unlimited = std::numeric_limits<qsizetype>::max();
    EXPECT_EQ(koi8r.decode("ab", unlimited), u"ab"_s);
    EXPECT_EQ(koi8r.encode(u"ab"_s, unlimited), QByteArray("ab"));

    const CodePage devanagari(57002);
    EXPECT_EQ(devanagari.encode(u"a"_s, 1024), std::nullopt);
    EXPECT_EQ(devanagari.decode("a", 1024), std::nullopt);
}

#include "translate/text/UtfConversion.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

using namespace verbalink;
using namespace Qt::StringLiterals;

TEST(UtfConversion, Utf8CapacityCountsTheTerminatingNul)
{
    const QString text = u"caf\u00e9"_s; // 5 bytes in UTF-8, 6 with the NUL
    EXPECT_EQ(utf16ToUtf8(text, 6), QByteArray("caf\xc3\xa9"));
    EXPECT_EQ(utf16ToUtf8(text, 5), std::nullopt);
    EXPECT_EQ(utf16ToUtf8(text, 0), std::nullopt);
    EXPECT_EQ(utf16ToUtf8(QString(), 1), QByteArray());
    EXPECT_EQ(utf16ToUtf8(QString(), 0), std::nullopt);
    // A four-byte character needs room for all of it.
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(utf16ToUtf8(emoji, 5)->size(), 4);
    EXPECT_EQ(utf16ToUtf8(emoji, 4), std::nullopt);
}

TEST(UtfConversion, Utf8StopsAtNulAndReplacesLoneSurrogates)
{
    const QString withNul = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cdefgh");
    EXPECT_EQ(utf16ToUtf8(withNul, 3), QByteArray("ab"));
    const QString lone = QStringLiteral("a") + QChar(char16_t(0xD800)) + QStringLiteral("b");
    EXPECT_EQ(utf16ToUtf8(lone, 100), QByteArray("a?b"));
}

TEST(UtfConversion, Utf16ConvertsExactlyTheGivenBytes)
{
    EXPECT_EQ(utf8ToUtf16("caf\xc3\xa9", 4), u"caf\u00e9"_s);
    EXPECT_EQ(utf8ToUtf16("caf\xc3\xa9", 3), std::nullopt);
    EXPECT_EQ(utf8ToUtf16(QByteArrayView("a\0b", 3), 3), QStringView(u"a\0b", 3).toString());
    EXPECT_EQ(utf8ToUtf16("\xef\xbb\xbfx", 2), u"\ufeffx"_s) << "a BOM is text, not dropped";
    EXPECT_EQ(utf8ToUtf16(QByteArrayView(), 0), QString());
}

TEST(UtfConversion, MalformedUtf8BecomesReplacementCharacters)
{
    const struct {
        const char* bytes;
        const char16_t* expected;
    } cases[] = {
        {"ab\xc3", u"ab\ufffd"},                 // truncated sequence at the end
        {"\xc3(", u"\ufffd("},                   // lead byte without continuation
        {"\x80x", u"\ufffdx"},                   // stray continuation byte
        {"\xed\xa0\x80", u"\ufffd\ufffd\ufffd"}, // encoded surrogate
    };
    for (const auto& c : cases) {
        const std::optional<QString> text = utf8ToUtf16(c.bytes, 100);
        ASSERT_TRUE(text) << c.bytes;
        EXPECT_EQ(*text, QString::fromUtf16(c.expected)) << c.bytes;
    }
}

TEST(UtfConversion, AnsiFieldsCutAtCharacterBoundaries)
{
    const QString text = u"a\u00e9\u20ac"_s; // 1 + 2 + 3 bytes
    EXPECT_EQ(toAnsi(text, 6), QByteArray("a\xc3\xa9\xe2\x82\xac"));
    EXPECT_EQ(toAnsi(text, 5), QByteArray("a\xc3\xa9"));
    EXPECT_EQ(toAnsi(text, 2), QByteArray("a"));
    EXPECT_EQ(toAnsi(text, 0), QByteArray());
    const QString emoji = QStringLiteral("abcd") + QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(toAnsi(emoji, 5), QByteArray("abcd"));
    EXPECT_EQ(toAnsi(emoji, 8), emoji.toUtf8());

    constexpr qsizetype unlimited = std::numeric_limits<qsizetype>::max();
    EXPECT_EQ(toAnsi(emoji, unlimited), emoji.toUtf8());
    EXPECT_EQ(fromAnsi("ab", unlimited), u"ab"_s);
    EXPECT_EQ(utf16ToUtf8(emoji, unlimited), emoji.toUtf8());

    EXPECT_EQ(fromAnsi("proxy\xc3\xa9", 100), u"proxy\u00e9"_s);
    EXPECT_EQ(fromAnsi(QByteArrayView("user\0junk", 9), 100), QStringLiteral("user"));
    EXPECT_EQ(fromAnsi("abcdef", 3), QStringLiteral("abc"));
    EXPECT_EQ(fromAnsi("ab\xf0\x9f\x98\x80", 3), QStringLiteral("ab")) << "pair kept whole";

    // The cut reading of exact bytes: NULs and malformed bytes are text like any other.
    EXPECT_EQ(utf8ToUtf16Cut("ab\xf0\x9f\x98\x80", 3), QStringLiteral("ab"));
    EXPECT_EQ(utf8ToUtf16Cut("ab\xf0\x9f\x98\x80", 4), u"ab" + emoji.mid(4));
    EXPECT_EQ(utf8ToUtf16Cut(QByteArrayView("a\0b\xff", 4), 10), QStringView(u"a\0b\ufffd", 4));
    EXPECT_EQ(utf8ToUtf16Cut("abc", 0), QString());
    EXPECT_EQ(utf16ToUtf8Cut(text, 5), toAnsi(text, 5));
}

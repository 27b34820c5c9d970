#include "QtPrinters.h"
#include "translate/text/Base64.h"
#include "translate/text/UrlEncoding.h"

#include <gtest/gtest.h>

using namespace verbalink;

TEST(UrlEncode, KeepsUnreservedAndEncodesEverythingElse)
{
    EXPECT_EQ(urlEncode("a b~z"), QByteArray("a%20b~z"));
    EXPECT_EQ(urlEncode("\xc3\xa9"), QByteArray("%C3%A9"));
    EXPECT_EQ(urlEncode("AZaz09-_.~"), QByteArray("AZaz09-_.~"));
    EXPECT_EQ(urlEncode("+&=/?%\n\xff"), QByteArray("%2B%26%3D%2F%3F%25%0A%FF"));
    EXPECT_EQ(urlEncode(QByteArrayView("ab\0cd", 5)), QByteArray("ab"));
    EXPECT_EQ(urlEncode(""), QByteArray());
}

TEST(Base64, EncodesWithPaddingAndRoundTripsShortLengths)
{
    EXPECT_EQ(base64Encode("abc"), QByteArray("YWJj"));
    EXPECT_EQ(base64Encode("a"), QByteArray("YQ=="));
    const QByteArray source("\x00\xff\x10\x80\x7f", 5);
    const char* expected[] = {"", "AA==", "AP8=", "AP8Q", "AP8QgA==", "AP8QgH8="};
    for (qsizetype length = 0; length <= 5; ++length) {
        const QByteArray bytes = source.first(length);
        EXPECT_EQ(base64Encode(bytes), QByteArray(expected[length])) << length;
        EXPECT_EQ(base64Decode(base64Encode(bytes)), bytes) << length;
    }
}

TEST(Base64, DecodingStopsAtPaddingOrForeignBytes)
{
    const struct {
        const char* text;
        QByteArray expected;
    } cases[] = {
        {"YWJj", "abc"},         {"YWJjZA", "abcd"}, // final group of 2 gives 1 byte
        {"YWJjZGU", "abcde"},                        // final group of 3 gives 2 bytes
        {"YWJjZ", "abc"},                            // a lone final character gives nothing
        {"YQ==YWJj", "a"},                           // nothing after the first "="
        {"YW Jj", "a"},                              // a space ends the data
        {"YWJj\r\nYWJj", "abc"},                     // so does a line break
        {"YWJj-_", "abc"},                           // the URL-safe alphabet is foreign
        {"=YWJj", ""},           {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(base64Decode(c.text), c.expected) << c.text;
    EXPECT_EQ(base64Decode("+/+/"), QByteArray("\xfb\xff\xbf"));
}

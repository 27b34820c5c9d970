#include "extras/MessageKey.h"

#include "extras/HandleCipher.h"

#include <gtest/gtest.h>

using namespace verbalink;

// Expected values come from Python's hashlib and a textbook RC4 whose key stream was checked
// against the published RC4 test vectors (key 01..10 below).
TEST(MessageKey, RawKeyMatchesThePublishedRc4KeyStream)
{
    const MessageKey key(QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10"));
    ASSERT_TRUE(key.isValid());
    EXPECT_EQ(key.apply(QByteArray(16, '\0')).toHex(), "9ac7cc9a609d1ef7b2932899cde41b97");
    EXPECT_FALSE(MessageKey(QByteArray(15, 'x')).isValid());
    EXPECT_TRUE(MessageKey().apply("abc").isEmpty());
}

TEST(MessageKey, HandleKeyIsTheMd5OfTheLowBytesWrittenTwice)
{
    EXPECT_EQ(MessageKey::fromHandle(u"alice").bytes().toHex(), "579e43b423b454623383471aeb85cd87");
    // U+0161 narrows to 0x61 'a', so it derives alice's key.
    EXPECT_EQ(MessageKey::fromHandle(u"\u0161lice").bytes(),
              MessageKey::fromHandle(u"alice").bytes());
}

TEST(HandleCipher, EnciphersTheTextBytesOnlyAndPinsTheWireForm)
{
    HandleCipher cipher;
    EXPECT_TRUE(cipher.encrypt("hi").isEmpty()) << "no key before the own handle is known";
    cipher.setOwnHandle("alice");
    EXPECT_EQ(cipher.encrypt("hi"), "JhU=");
    EXPECT_EQ(cipher.encrypt(QStringLiteral("Grüße, Bob!").toUtf8()), "CQ6vaUhm3Azxtb+xvg==");
    EXPECT_EQ(cipher.encrypt("hi"), "JhU=") << "each message starts a fresh key stream";
    EXPECT_TRUE(cipher.encrypt("").isEmpty());
    cipher.setOwnHandle("");
    EXPECT_FALSE(cipher.hasKey());
}

TEST(HandleCipher, DecryptsWithTheSendersHandleOnly)
{
    const struct {
        const char* name;
        QString cipherText;
        QString sender;
        QString plain;
    } cases[] = {
        {"own text back", QStringLiteral("JhU="), QStringLiteral("alice"), QStringLiteral("hi")},
        {"non-ASCII", QStringLiteral("CQ6vaUhm3Azxtb+xvg=="), QStringLiteral("alice"),
         QStringLiteral("Grüße, Bob!")},
        {"decoding stops at a foreign character", QStringLiteral("JhU?garbage"),
         QStringLiteral("alice"), QStringLiteral("hi")},
        {"garbage", QStringLiteral("!!!"), QStringLiteral("alice"), QString()},
        {"empty", QString(), QStringLiteral("alice"), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HandleCipher::decrypt(c.cipherText, c.sender), c.plain);
    }
    EXPECT_NE(HandleCipher::decrypt(u"CQ6vaUhm3Azxtb+xvg==", u"bob"),
              QStringLiteral("Grüße, Bob!"));
}

TEST(HandleCipher, PlainTextEndsAtTheFirstZeroByte)
{
    HandleCipher cipher;
    cipher.setOwnHandle("alice");
    const QByteArray wire = cipher.encrypt(QByteArray("ab\0cd", 5));
    EXPECT_EQ(HandleCipher::decrypt(QString::fromLatin1(wire), u"alice"), QStringLiteral("ab"));
}

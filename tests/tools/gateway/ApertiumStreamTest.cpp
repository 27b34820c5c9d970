#include "gateway/ApertiumStream.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace verbalink::gateway {
namespace {

using namespace Qt::StringLiterals;

TEST(ApertiumStream, EveryCharacterSurvivesTheWayThereAndBack)
{
    const QString texts[] = {
        u""_s,
        u"Hello, how are you?"_s,
        u"[x] <b>bold</b> {y} ^a$ b/c \\ @user #tag *star* ~tilde |pipe"_s,
        u"one\r\ntwo\tthree\x01"_s,
        u"]]] [[[ \\] \\["_s,
        u"Grüße 日本語 😀"_s,
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QByteArray stream = ApertiumStream::encode(text, "gw1");
        EXPECT_FALSE(stream.contains('\0'));
        EXPECT_TRUE(stream.startsWith("[gw1]"));
        EXPECT_TRUE(stream.endsWith("[]"));
        EXPECT_EQ(ApertiumStream::decode(stream, "gw1"), text);
    }
    // A NUL would end the request inside the pipeline.
    EXPECT_EQ(ApertiumStream::decode(ApertiumStream::encode(u"a\0b"_s, "t"), "t"), u"ab"_s);
}

TEST(ApertiumStream, MarksOnWordsAreDroppedWhileTheSameCharactersAsTextStay)
{
    // As the pipeline answers: marks bare, the typed "#" and "*" still in their blanks.
    EXPECT_EQ(ApertiumStream::decode("[gw2]*Xyzzy #cantar @house [#]tag[*] \\@you ~del[]", "gw2"),
              u"Xyzzy cantar house #tag* @you del"_s);
    // The tag may move with the words around it.
    EXPECT_EQ(ApertiumStream::decode("Hola[gw3], amigo[]", "gw3"), u"Hola, amigo"_s);
}

TEST(ApertiumStream, AnAnswerWithoutItsTagBelongsToSomeoneElse)
{
    EXPECT_FALSE(ApertiumStream::decode("[gw4]Hola[]", "gw5"));
    EXPECT_FALSE(ApertiumStream::decode("\\[gw5\\]Hola", "gw5"));
    // An unfinished blank is text, not a tag.
    EXPECT_FALSE(ApertiumStream::decode("Hola [gw5", "gw5"));
}

} // namespace
} // namespace verbalink::gateway

#include "translate/text/TextEscapes.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace verbalink;
using namespace Qt::StringLiterals;

namespace {

struct Case {
    const char16_t* text;
    QString expected;
};

template <typename Decode>
void expectAll(Decode decode, std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        QString text = QString::fromUtf16(c.text);
        decode(text);
        EXPECT_EQ(text, c.expected) << QString::fromUtf16(c.text).toStdString();
    }
}

} // namespace

TEST(NumericReferences, DecodesAndLeavesWhatIsNotAReference)
{
    expectAll(decodeNumericReferences,
              {
                  {u"X&#66;Y", u"XBY"_s},
                  {u"A&#1234567;", u"A&#1234567;"_s}, // 7 digits: too long, unchanged
                  {u"A&#123456;", QString::fromUcs4(U"A\U0001E240")}, // 6 digits fit
                  {u"x &# y", u"x &# y"_s},
                  {u"&#38;#65;", u"A"_s}, // the decoded "&" starts a new one
                  {u"&#38;#38;#38;#66;", u"B"_s},
                  {u"&#x41;", QString()}, // hexadecimal reads as 0: removed
                  {u"a&#0;b&#;c", u"abc"_s},
                  {u"&#65x;", u"A"_s},          // leading digits only
                  {u"&#65 &#66;", u"&#65 B"_s}, // the first ";" is too far for the first
                  {u"&#233;t&#233;", u"\u00e9t\u00e9"_s},
                  {u"&#55357;&#56832;", QString::fromUcs4(U"\U0001F600")}, // paired halves
                  {u"&#128512;", QString::fromUcs4(U"\U0001F600")},
                  {u"&&##65;;", u"&;"_s}, // "&##65;" reads no digits: 0
                  {u"&#", u"&#"_s},
              });
}

TEST(JsonUnescape, AppliesTheStepsInOrder)
{
    expectAll(unescapeJsonText,
              {
                  {u"Tom \\u0026 Jerry", u"Tom & Jerry"_s},
                  {u"\\u0026lt;b\\u0026gt; \\u0026quot;x\\u0026quot;", u"<b> \"x\""_s},
                  {u"a\\u003db", u"a=b"_s},
                  {u"\\u0026amp;", u"&"_s}, // step 4 then step 6
                  {u"&amp;amp;", u"&"_s},
                  {u"\\u0026amp;lt;", u"&lt;"_s}, // no step after 6 turns it into "<"
                  {u"\\u0027", u"\\u0027"_s},     // other escapes are not this sequence's job
              });
}

TEST(UnicodeEscapes, DecodesFourHexDigitsOnly)
{
    expectAll(decodeUnicodeEscapes,
              {
                  {u"caf\\u00e9", u"caf\u00e9"_s},
                  {u"caf\\u00E9 \\u00e9", u"caf\u00e9 \u00e9"_s},
                  {u"\\u00e", u"\\u00e"_s}, // fewer than four characters at the end
                  {u"x\\u00e\\u0041", u"x\\u00eA"_s},
                  {u"\\u00zz", u"\\u00zz"_s}, // not hex: left alone
                  {u"C:\\users", u"C:\\users"_s},
                  {u"\\u\\u0041", u"\\uA"_s},
                  {u"a\\u0000b", u"ab"_s}, // a NUL would cut the text: dropped
                  {u"\\ud83d\\ude00", QString::fromUcs4(U"\U0001F600")},
                  {u"\\u005cu0041", u"\\u0041"_s}, // a decoded backslash starts nothing
                  {u"\\U0041", u"\\U0041"_s},
              });
}

TEST(TextEscapes, HandleMegabyteInputs)
{
    // A quadratic implementation would not finish within the test time-out.
    QString references = u"a&#66;"_s.repeated(200000);
    decodeNumericReferences(references);
    EXPECT_EQ(references, u"aB"_s.repeated(200000));
    // A chain where every decoded "&" completes the next reference.
    QString chain = u"&#38;"_s + u"#38;"_s.repeated(200000) + u"#65;"_s;
    decodeNumericReferences(chain);
    EXPECT_EQ(chain, u"A"_s);
    QString unfinished = u"&#"_s.repeated(500000);
    decodeNumericReferences(unfinished);
    EXPECT_EQ(unfinished.size(), 1000000);
    QString escapes = u"\\u0041"_s.repeated(200000);
    decodeUnicodeEscapes(escapes);
    EXPECT_EQ(escapes, u"A"_s.repeated(200000));
}

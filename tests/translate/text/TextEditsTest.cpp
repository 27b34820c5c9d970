#include "translate/text/TextEdits.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace verbalink;
using namespace Qt::StringLiterals;

namespace {

QString trimmedSpaces(QString text)
{
    trimSpaces(text);
    return text;
}

QString replaced(QString text, QStringView pattern, QStringView replacement)
{
    replaceAll(text, pattern, replacement);
    return text;
}

} // namespace

TEST(TextEdits, TrimsOnlyTheirOwnCharacter)
{
    EXPECT_EQ(trimmedSpaces(u"  a b  "_s), u"a b"_s);
    EXPECT_EQ(trimmedSpaces(u"    "_s), QString());
    EXPECT_EQ(trimmedSpaces(u"\t a \n"_s), u"\t a \n"_s);
    EXPECT_EQ(trimmedSpaces(u" \ta"_s), u"\ta"_s) << "a leading tab stays";
    QString lines = u"\n\nline\n \n"_s;
    trimNewlines(lines);
    EXPECT_EQ(lines, u"line\n "_s);
    QString onlyNewlines = u"\n\n"_s;
    trimNewlines(onlyNewlines);
    EXPECT_TRUE(onlyNewlines.isEmpty());
}

TEST(ReplaceAll, RestartsFromTheStartAfterEachReplacement)
{
    const struct {
        const char16_t* text;
        const char16_t* pattern;
        const char16_t* replacement;
        const char16_t* expected;
    } cases[] = {
        {u"&amp;amp;", u"&amp;", u"&", u"&"},
        {u"a &amp;amp;amp; b &amp; c", u"&amp;", u"&", u"a & b & c"},
        {u"aaab", u"ab", u"b", u"b"}, // each step creates the next occurrence
        {u"xabcabcy", u"abc", u"", u"xy"},
        {u"aabcbc", u"abc", u"", u""}, // removal joins the halves around it
        {u"no match", u"zz", u"z", u"no match"},
        {u"\\\"quoted\\\"", u"\\\"", u"\"", u"\"quoted\""},
        {u"aab", u"ab", u"ba", u"baa"},     // same length: still the exact rule
        {u"aab", u"ab", u"bba", u"bbbbaa"}, // growing, but the rule ends
    };
    for (const auto& c : cases) {
        EXPECT_EQ(replaced(QString::fromUtf16(c.text), c.pattern, c.replacement),
                  QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(ReplaceAll, EndsWhereTheRestartRuleWouldNot)
{
    // The replacement holds the pattern: every occurrence of the original text once.
    EXPECT_EQ(replaced(u"a&b&"_s, u"&", u"&amp;"), u"a&amp;b&amp;"_s);
    EXPECT_EQ(replaced(u"aa"_s, u"a", u"aa"), u"aaaa"_s);
    EXPECT_EQ(replaced(u"text"_s, u"", u"x"), u"text"_s) << "an empty pattern changes nothing";
    // "ab" -> "bba" doubles the b's for every a passing over them: without a bound this is
    // 2^40 steps; past the budget it falls back to one pass.
    const QString runaway = QString(40, u'a') + u'b';
    EXPECT_EQ(replaced(runaway, u"ab", u"bba"), QString(39, u'a') + u"bba"_s);
}

TEST(ReplaceAll, HandlesMegabyteInputs)
{
    // A quadratic implementation would not finish within the test time-out.
    // One long chain: each replacement creates the next occurrence just before it.
    QString chain = u"&"_s + u"amp;"_s.repeated(250000);
    replaceAll(chain, u"&amp;", u"&");
    EXPECT_EQ(chain, u"&"_s);
    // Many independent occurrences.
    QString many = u"x&amp;"_s.repeated(200000);
    replaceAll(many, u"&amp;", u"&");
    EXPECT_EQ(many, u"x&"_s.repeated(200000));
    // A near miss everywhere.
    QString misses = u"&amp"_s.repeated(250000);
    replaceAll(misses, u"&amp;", u"&");
    EXPECT_EQ(misses.size(), 1000000);
}

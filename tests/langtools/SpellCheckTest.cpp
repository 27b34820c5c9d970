// The spell checker with Debian's real en_US dictionary and small dictionaries written here.

#include "langtools/DictionaryCatalog.h"
#include "langtools/SpellChecker.h"
#include "langtools/SuggestionCycle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

const QByteArray EnglishAffix = "/usr/share/hunspell/en_US.aff";
const QByteArray EnglishDictionary = "/usr/share/hunspell/en_US.dic";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A two-word dictionary in the given encoding; the words are given in that encoding.
QByteArray writeDictionary(const QTemporaryDir& dir, const QString& name,
                           const QByteArray& encoding, const QByteArray& words)
{
    writeFile(dir.filePath(name + u".aff"),
              "SET " + encoding + "\nTRY abcdefghijklmnopqrstuvwxyz\n");
    writeFile(dir.filePath(name + u".dic"), "2\n" + words);
    return dir.filePath(name).toUtf8();
}

QStringList spelled(QStringView text)
{
    QStringList words;
    for (const WordSpan& word : spellWords(text))
        words << text.mid(word.start, word.length).toString();
    return words;
}

TEST(SpellWordsTest, SplitsAtTheThirtyFiveDelimitersOnly)
{
    const struct {
        QString text;
        QStringList words;
    } cases[] = {
        {QStringLiteral("don't abc123"), {QStringLiteral("don't"), QStringLiteral("abc123")}},
        {QStringLiteral("well-known"), {QStringLiteral("well"), QStringLiteral("known")}},
        {QStringLiteral(",. \t\r\n\a!?@#$%^&*()-+=/><\";[]{}|_~\\:"), {}},
        {QStringLiteral("  a,b\nc\u00e9d:e  "),
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c\u00e9d"),
          QStringLiteral("e")}},
        {QString(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spelled(c.text), c.words) << qPrintable(c.text);
    EXPECT_EQ(spellWords(u"ab, cd"), (QList<WordSpan>{{0, 2}, {4, 2}}));
}

TEST(SuggestionCycleTest, ReplacesTheSelectedWordAndCyclesBackToItAsTyped)
{
    SuggestionCycle cycle([](const QString& word) {
        return word == u"teh" ? SuggestionRing({word, QStringLiteral("the"), QStringLiteral("ten"),
                                                QStringLiteral("tech")})
                              : SuggestionRing({word});
    });
    // Nothing selected: nothing changes and no cycle starts.
    EXPECT_FALSE(cycle.press({QStringLiteral("teh quick"), 2, 0}));
    EXPECT_FALSE(cycle.active());

    // The selection is cut at its first space; the rest stays after the replacement.
    const EditorText typed{QStringLiteral("so teh quick"), 3, 9};
    const QStringList expected{QStringLiteral("the"), QStringLiteral("ten"), QStringLiteral("tech"),
                               QStringLiteral("teh"), QStringLiteral("the")};
    EditorText shown = typed;
    for (const QString& word : expected) {
        const std::optional<EditorText> next = cycle.press(shown);
        ASSERT_TRUE(next);
        EXPECT_EQ(*next, (EditorText{u"so " + word + u" quick", 3, word.size()}));
        shown = *next;
    }
    // A correctly spelled word comes back as it was, selected.
    cycle.end();
    EXPECT_EQ(cycle.press({QStringLiteral("so the quick"), 7, 5}),
              (EditorText{QStringLiteral("so the quick"), 7, 5}));
}

class SpellCheckerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_checker.load(EnglishAffix, EnglishDictionary),
                  SpellChecker::LoadResult::Loaded);
    }
    SpellChecker m_checker;
    QTemporaryDir m_dir;
};

TEST_F(SpellCheckerTest, FindsTheMisspelledWordsOfAMessage)
{
    EXPECT_TRUE(m_checker.isCorrect(u"Hello, world! I don't know; well-known."));
    EXPECT_TRUE(m_checker.isCorrect(u" ,.;"));
    EXPECT_FALSE(m_checker.isCorrect(u"Ths is wrng"));
    EXPECT_EQ(m_checker.misspelled(u"Ths is\nwrng"), (QList<WordSpan>{{0, 3}, {7, 4}}));
    EXPECT_EQ(m_checker.dictionaryName(), u"en_US.dic");
    EXPECT_EQ(m_checker.codePage(), 65001);
    // A word too long to convert is misspelled, not looked up cut or empty.
    EXPECT_FALSE(m_checker.isCorrect(QString(2000, u'a')));
}

TEST_F(SpellCheckerTest, SuggestionsFollowTheWordAsTyped)
{
    const QStringList ring = m_checker.suggestions(QStringLiteral("teh")).words();
    ASSERT_GE(ring.size(), 2);
    EXPECT_EQ(ring.first(), u"teh");
    EXPECT_TRUE(ring.contains(u"the"));
    EXPECT_EQ(m_checker.suggestions(QStringLiteral("quick")).words(), QStringList{u"quick"_qs});
}

TEST_F(SpellCheckerTest, DictionariesAreReadInTheirDeclaredEncoding)
{
    // "caf\xe9" is café in Latin-9, whose number the table shares with Latin-8.
    const QByteArray latin = writeDictionary(m_dir, u"fr"_qs, "ISO8859-15", "caf\xe9\nth\xe9\n");
    EXPECT_EQ(m_checker.load(latin + ".aff", latin + ".dic"), SpellChecker::LoadResult::Loaded);
    EXPECT_EQ(m_checker.codePage(), 28605);
    EXPECT_TRUE(m_checker.isCorrect(u"caf\u00e9 th\u00e9"));
    EXPECT_FALSE(m_checker.isCorrect(u"cafe"));
    EXPECT_EQ(m_checker.suggestions(QStringLiteral("cafe")).words(),
              (QStringList{u"cafe"_qs, u"caf\u00e9"_qs}));

    // Outside the table: the dictionary is used with the code page it found.
    const QByteArray thai = writeDictionary(m_dir, u"th"_qs, "TIS620", "ab\ncd\n");
    EXPECT_EQ(m_checker.load(thai + ".aff", thai + ".dic"),
              SpellChecker::LoadResult::UnsupportedEncoding);
    EXPECT_EQ(m_checker.codePage(), 28605);
    EXPECT_EQ(m_checker.dictionaryName(), u"th.dic");
    EXPECT_TRUE(m_checker.isCorrect(u"ab cd"));

    // A dictionary removed since it was found leaves the loaded one in place.
    EXPECT_EQ(m_checker.load("/nonexistent/x.aff", "/nonexistent/x.dic"),
              SpellChecker::LoadResult::Missing);
    EXPECT_EQ(m_checker.dictionaryName(), u"th.dic");
}

TEST(DictionaryCatalogTest, InstallationFolderFirstThenOtherFoldersEachInNameOrder)
{
    QTemporaryDir install;
    QTemporaryDir system;
    for (const char* name : {"dic/pt_BR.dic", "dic/de.dic", "dic/de.aff", "dic/notes.txt"})
        writeFile(install.filePath(QString::fromLatin1(name)), "1\nx\n");
    writeFile(system.filePath(u"en_US.dic"_qs), "1\nx\n");
    // The same folder twice, as XDG_DATA_HOME at its default gives, is listed once.
    const QList<DictionaryEntry> found = DictionaryCatalog::discover(
        install.path(), {system.path(), system.path() + u"/.", u"/nonexistent"_qs});
    ASSERT_EQ(found.size(), 3);
    const QString dic = install.filePath(u"dic/"_qs);
    EXPECT_EQ(found[0].label, u"de.dic");
    EXPECT_EQ(found[0].commandId, 5000);
    EXPECT_EQ(found[0].dictionaryPath, (dic + u"de.dic").toUtf8());
    EXPECT_EQ(found[0].affixPath, (dic + u"de.aff").toUtf8());
    EXPECT_EQ(found[1].label, u"pt_BR.dic");
    EXPECT_EQ(found[2].label, u"en_US.dic");
    EXPECT_EQ(found[2].commandId, 5002);

    // Past the hundredth, ids go on after the fixed ones, up to 5499.
    EXPECT_EQ(DictionaryCatalog::commandIdAt(99), 5099);
    EXPECT_EQ(DictionaryCatalog::commandIdAt(100), 5103);
    EXPECT_EQ(DictionaryCatalog::commandIdAt(DictionaryCatalog::MaxCount - 1), 5499);
}

} // namespace

#include "langtools/SpellChecker.h"

#include <QFileInfo>
#include <hunspell/hunspell.hxx>

namespace verbalink {

namespace {

// Words and suggestions are converted into buffers of this size, terminator included.
constexpr qsizetype WordCapacity = 1024;
constexpr qsizetype NameLength = 100;

} // namespace

struct SpellChecker::Loaded {
    Loaded(const QByteArray& affix, const QByteArray& dictionary, CodePage page)
        : hunspell(affix.constData(), dictionary.constData()), codePage(std::move(page))
    {}
    mutable Hunspell hunspell;
    CodePage codePage;
};

SpellChecker::SpellChecker() = default;
SpellChecker::~SpellChecker() = default;

SpellChecker::LoadResult SpellChecker::load(const QByteArray& affixPath,
                                            const QByteArray& dictionaryPath)
{
    // Hunspell reads a missing file as an empty one and would accept nothing.
    if (!QFileInfo(QString::fromUtf8(affixPath)).isFile() ||
        !QFileInfo(QString::fromUtf8(dictionaryPath)).isFile())
        return LoadResult::Missing;
    const CodePage previous = current() ? current()->codePage : CodePage();
    // The encoding is known only once the affix file is read; the words of a dictionary whose
    // encoding is outside the table go through the previous code page.
    auto loaded = std::make_shared<Loaded>(affixPath, dictionaryPath, previous);
    const std::optional<CodePage> declared =
        CodePage::fromEncodingName(QString::fromStdString(loaded->hunspell.get_dict_encoding()));
    if (declared)
        loaded->codePage = *declared;
    const qsizetype slash = dictionaryPath.lastIndexOf('/');
    const QString name = QString::fromUtf8(dictionaryPath.mid(slash + 1)).left(NameLength);
    {
        std::lock_guard lock(m_mutex);
        m_loaded = std::move(loaded);
        m_name = name;
    }
    return declared ? LoadResult::Loaded : LoadResult::UnsupportedEncoding;
}

QString SpellChecker::dictionaryName() const
{
    std::lock_guard lock(m_mutex);
    return m_name;
}

int SpellChecker::codePage() const
{
    const std::shared_ptr<const Loaded> loaded = current();
    return loaded ? loaded->codePage.number() : CodePage::SystemAnsi;
}

std::shared_ptr<const SpellChecker::Loaded> SpellChecker::current() const
{
    std::lock_guard lock(m_mutex);
    return m_loaded;
}

bool SpellChecker::spell(const Loaded& loaded, QStringView word)
{
    // A word the code page cannot carry (too long, or no converter) is no word of the dictionary.
    const std::optional<QByteArray> bytes = loaded.codePage.encode(word, WordCapacity);
    return bytes && loaded.hunspell.spell(bytes->toStdString());
}

bool SpellChecker::isCorrect(QStringView text) const
{
    const std::shared_ptr<const Loaded> loaded = current();
    if (!loaded)
        return true;
    for (const WordSpan& word : spellWords(text)) {
        if (!spell(*loaded, text.mid(word.start, word.length)))
            return false;
    }
    return true;
}

QList<WordSpan> SpellChecker::misspelled(QStringView text) const
{
    QList<WordSpan> wrong;
    const std::shared_ptr<const Loaded> loaded = current();
    if (!loaded)
        return wrong;
    for (const WordSpan& word : spellWords(text)) {
        if (!spell(*loaded, text.mid(word.start, word.length)))
            wrong.append(word);
    }
    return wrong;
}

SuggestionRing SpellChecker::suggestions(const QString& word) const
{
    QStringList ring{word};
    const std::shared_ptr<const Loaded> loaded = current();
    if (!loaded || spell(*loaded, word))
        return SuggestionRing(ring);
    const QByteArray bytes = loaded->codePage.encode(word, WordCapacity).value_or(QByteArray());
    std::vector<std::string> found;
    {
        std::lock_guard lock(m_suggestionLock);
        found = loaded->hunspell.suggest(bytes.toStdString());
    }
    for (const std::string& suggestion : found) {
        const QByteArray raw = QByteArray::fromStdString(suggestion).left(WordCapacity);
        const QString text = loaded->codePage.decode(raw, WordCapacity).value_or(QString());
        if (!text.isEmpty())
            ring.append(text);
    }
    return SuggestionRing(ring);
}

} // namespace verbalink

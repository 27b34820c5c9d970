#pragma once

#include "langtools/SpellWords.h"
#include "langtools/SuggestionRing.h"
#include "translate/text/CodePage.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <memory>
#include <mutex>

class Hunspell;

namespace verbalink {

// The spell check's one Hunspell dictionary, the code page of its words and the enabled flag.
// Checks run on the message worker and in the dialog while the menu may load another
// dictionary: each check holds the dictionary it started with until it ends.
class SpellChecker {
public:
    enum class LoadResult { Loaded, UnsupportedEncoding, Missing };

    SpellChecker();
    ~SpellChecker();

    // Replaces the dictionary. With an encoding outside the table the dictionary is used all
    // the same, its words converted with the previous code page. Missing files load nothing and
    // keep the previous dictionary.
    LoadResult load(const QByteArray& affixPath, const QByteArray& dictionaryPath);
    // The file name of the loaded dictionary, at most 100 characters, for the dialog's title.
    QString dictionaryName() const;
    int codePage() const;

    void setEnabled(bool on) { m_enabled = on; }
    bool enabled() const { return m_enabled; }

    // True when no word is misspelled: also for empty text and without a dictionary.
    bool isCorrect(QStringView text) const;
    QList<WordSpan> misspelled(QStringView text) const;
    // The word as typed, then the dictionary's suggestions when it is misspelled.
    SuggestionRing suggestions(const QString& word) const;

private:
    struct Loaded;
    std::shared_ptr<const Loaded> current() const;
    static bool spell(const Loaded& loaded, QStringView word);

    mutable std::mutex m_mutex;
    std::shared_ptr<const Loaded> m_loaded;
    QString m_name;
    std::atomic<bool> m_enabled{false};
    // Hunspell's suggestion search is not safe to run twice at once.
    mutable std::mutex m_suggestionLock;
};

} // namespace verbalink

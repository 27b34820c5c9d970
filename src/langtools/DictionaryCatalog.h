#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace verbalink {

// A Hunspell dictionary found at start-up: its menu entry and its two files (UTF-8 paths).
struct DictionaryEntry {
    int commandId = 0;
    QString label;
    QByteArray affixPath;
    QByteArray dictionaryPath;
};

// Finds the dictionaries: the installation folder's dic/*.dic first, then the folders where the
// system and the user install Hunspell dictionaries, each folder in file-name order.
class DictionaryCatalog {
public:
    static constexpr int FirstId = 5000;
    static constexpr int HelpId = 5100;
    static constexpr int SeparatorId = 5101;
    static constexpr int AddDictionariesId = 5102;
    // Dictionaries past the hundredth continue after the fixed ids.
    static constexpr int OverflowFirstId = 5103;
    static constexpr int LastId = 5499;
    static constexpr int MaxCount = (HelpId - FirstId) + (LastId - OverflowFirstId + 1);

    // /usr/share/hunspell, then $XDG_DATA_HOME/hunspell and ~/.local/share/hunspell.
    static QStringList systemFolders();
    static QList<DictionaryEntry> discover(const QString& installDir,
                                           const QStringList& otherFolders);
    static int commandIdAt(int index);
};

} // namespace verbalink

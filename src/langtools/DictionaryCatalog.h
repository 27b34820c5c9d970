#pragma once

#include "platform/CommandId.h"

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
    // The first hundred take the ids up to "Help"; the fixed entries follow (Help, a separator,
    // Add Dictionaries), and further dictionaries continue after them.
    static constexpr int FirstId = 5000;
    static_assert(CommandId::DictionaryHelp == FirstId + 100);
    static constexpr int SeparatorId = CommandId::DictionaryHelp + 1;
    static_assert(CommandId::AddDictionaries == SeparatorId + 1);
    static constexpr int OverflowFirstId = CommandId::AddDictionaries + 1;
    static constexpr int LastId = 5499;
    static constexpr int MaxCount =
        (CommandId::DictionaryHelp - FirstId) + (LastId - OverflowFirstId + 1);

    // /usr/share/hunspell, then $XDG_DATA_HOME/hunspell and ~/.local/share/hunspell.
    static QStringList systemFolders();
    static QList<DictionaryEntry> discover(const QString& installDir,
                                           const QStringList& otherFolders);
    static int commandIdAt(int index);
};

} // namespace verbalink

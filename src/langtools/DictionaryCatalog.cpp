#include "langtools/DictionaryCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace verbalink {

namespace {

void appendFolder(const QString& folder, QList<DictionaryEntry>& entries)
{
    const QDir dir(folder);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.dic")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& file : files) {
        if (entries.size() >= DictionaryCatalog::MaxCount)
            return;
        const QByteArray dictionary = dir.filePath(file.fileName()).toUtf8();
        const QByteArray affix = dictionary.left(dictionary.lastIndexOf('.')) + ".aff";
        entries.append({DictionaryCatalog::commandIdAt(int(entries.size())), file.fileName(), affix,
                        dictionary});
    }
}

} // namespace

QStringList DictionaryCatalog::systemFolders()
{
    QStringList folders{QStringLiteral("/usr/share/hunspell")};
    const QString home = QDir::homePath();
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.isEmpty())
        folders << dataHome + u"/hunspell";
    folders << home + u"/.local/share/hunspell";
    return folders;
}

QList<DictionaryEntry> DictionaryCatalog::discover(const QString& installDir,
                                                   const QStringList& otherFolders)
{
    QList<DictionaryEntry> entries;
    QSet<QString> seen;
    const QStringList folders =
        QStringList{QDir(installDir).filePath(QStringLiteral("dic"))} + otherFolders;
    for (const QString& folder : folders) {
        // The same folder reached twice (a link, or XDG_DATA_HOME at its default) is listed once.
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen.insert(canonical);
        appendFolder(folder, entries);
    }
    return entries;
}

int DictionaryCatalog::commandIdAt(int index)
{
    const int direct = CommandId::DictionaryHelp - FirstId;
    return index < direct ? FirstId + index : OverflowFirstId + (index - direct);
}

} // namespace verbalink

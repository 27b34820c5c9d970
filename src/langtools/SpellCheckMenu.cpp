#include "langtools/SpellCheckMenu.h"

#include "app/menu/MenuModel.h"
#include "langtools/SpellChecker.h"
#include "platform/MessageBoxPort.h"

namespace verbalink {

namespace {

const MenuPath Submenu{4};

} // namespace

SpellCheckMenu::SpellCheckMenu(Links links, QList<DictionaryEntry> entries, QString installDir)
    : m_links(std::move(links)), m_entries(std::move(entries)), m_installDir(std::move(installDir))
{}

void SpellCheckMenu::build(const QByteArray& storedDictionary, const QString& helpLabel)
{
    for (const DictionaryEntry& dictionary : m_entries)
        m_links.menu.appendItem(Submenu, dictionary.commandId, dictionary.label,
                                QStringLiteral("dictionary"));
    m_links.menu.checkInGroup(DisabledId);
    m_stored = "0";
    for (const DictionaryEntry& dictionary : m_entries) {
        if (dictionary.dictionaryPath == storedDictionary) {
            select(dictionary.commandId);
            break;
        }
    }
    m_links.menu.appendSeparator(Submenu, DictionaryCatalog::SeparatorId);
    m_links.menu.appendItem(Submenu, DictionaryCatalog::AddDictionariesId,
                            QStringLiteral("Add Dictionaries"));
    m_links.menu.appendItem(Submenu, DictionaryCatalog::HelpId, helpLabel);
}

bool SpellCheckMenu::handleCommand(int commandId)
{
    if (commandId == DictionaryCatalog::HelpId) {
        m_links.boxes.showMessage(helpText(m_installDir),
                                  QStringLiteral("Verbalink's Spellcheck Help"),
                                  MessageBoxPort::Icon::Information);
        return true;
    }
    if (commandId == DictionaryCatalog::AddDictionariesId) {
        m_links.openProductPage(QStringLiteral("dic/index.html"));
        return true;
    }
    if (commandId != DisabledId && !entry(commandId))
        return false;
    select(commandId);
    return true;
}

void SpellCheckMenu::select(int commandId)
{
    m_links.menu.checkInGroup(commandId);
    const DictionaryEntry* dictionary = entry(commandId);
    if (!dictionary) {
        // The loaded dictionary stays in memory for the next time.
        m_stored = "0";
        m_links.checker.setEnabled(false);
        m_links.enabledChanged(false);
        return;
    }
    const SpellChecker::LoadResult result =
        m_links.checker.load(dictionary->affixPath, dictionary->dictionaryPath);
    if (result == SpellChecker::LoadResult::UnsupportedEncoding) {
        m_links.boxes.showMessage(
            QStringLiteral("Cannot load dictionary file.\n Unsupported encoding!"),
            QStringLiteral("Error"));
    } else if (result == SpellChecker::LoadResult::Missing) {
        // Removed since start-up: nothing to check with, so spell check stays off.
        m_links.boxes.showMessage(
            u"Cannot load dictionary file.\n" + QString::fromUtf8(dictionary->affixPath) + u" or " +
                QString::fromUtf8(dictionary->dictionaryPath) + u" cannot be read.",
            QStringLiteral("Error"));
        select(DisabledId);
        return;
    }
    m_stored = dictionary->dictionaryPath;
    m_links.checker.setEnabled(true);
    m_links.enabledChanged(true);
}

const DictionaryEntry* SpellCheckMenu::entry(int commandId) const
{
    for (const DictionaryEntry& dictionary : m_entries) {
        if (dictionary.commandId == commandId)
            return &dictionary;
    }
    return nullptr;
}

QString SpellCheckMenu::helpText(const QString& installDir)
{
    const QString folder = installDir.endsWith(u'/') ? installDir : installDir + u'/';
    return u"With spellchecker you could correct your outgoing messages in realtime.\n"
           u"When a misspelled word is detected a popup window will appear and you will be able "
           u"to correct the errors.\n"
           u"Verbalink's Spellchecker is compatible with OpenOffice spellchekers.\n"
           u"\n"
           u"How to install/add spellcheckers(automatic):\n"
           u"1) Go to Add Dictionaries section in menu.\n"
           u"2) Download needed spellchecker from the list.\n"
           u"3) Install it and restart Verbalink.\n"
           u"\n"
           u"How to install/add spellcheckers(manually):\n"
           u"1) Download compatible spellcheck dictionary "
           u"(https://wiki.openoffice.org/wiki/Dictionaries)\n"
           u"2) Open downloaded file with your favourite extractor.\n"
           u"3) Extract all *.aff and *.dic files (en_US.aff , en_US.dic).\n"
           u"4) Go to Verbalink's installation folder. ( " +
           folder +
           u" )\n"
           u"5) Copy newly extracted files to 'dic' subfolder.( " +
           folder +
           u"dic/ )\n"
           u"6) Restart Verbalink.";
}

} // namespace verbalink

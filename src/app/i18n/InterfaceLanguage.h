#pragma once

#include "app/i18n/InterfaceStrings.h"
#include "platform/CommandId.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace verbalink {

class MenuModel;
class StoredSettings;
class TranslationSwitch;

// The interface language: the checked entry of "Interface Language" (a language or "Auto
// Detect", which follows the language the chat client reports), the string table it gives,
// the tray menu relabelled with it, and `MenuLanguage` stored at once. GUI thread only.
class InterfaceLanguage final : public QObject {
    Q_OBJECT
public:
    // translationsDir holds the compiled tables ("verbalink_<code>.qm").
    InterfaceLanguage(MenuModel& menu, StoredSettings& settings, TranslationSwitch& translation,
                      QString translationsDir, QObject* parent = nullptr);

    // Start-up: the stored value; anything but a language or "Auto Detect" gives English.
    void restore(int storedId, const QByteArray& clientCode);
    // A menu command; false when it is not an entry of "Interface Language".
    bool selectCommand(int commandId, const QByteArray& clientCode);
    // The chat client reported another language: applied while "Auto Detect" is checked.
    void followClient(const QByteArray& clientCode);

    // The checked entry: a language's command id or CommandId::InterfaceAutoDetect.
    int currentId() const { return m_currentId; }
    // The menu id of the language whose table is applied.
    int appliedId() const { return m_appliedId; }
    const InterfaceStrings& strings() const { return m_strings; }

Q_SIGNALS:
    // The checked entry changed (the link needs to know whether to follow the client).
    void choiceChanged(int commandId);
    // A table was written over the menu: languageId's, with currentId() checked.
    void applied(int languageId);

private:
    void select(int commandId, const QByteArray& clientCode);
    void apply(int languageId);
    InterfaceStrings tableOf(int languageId) const;

    MenuModel& m_menu;
    StoredSettings& m_settings;
    TranslationSwitch& m_translation;
    QString m_translationsDir;
    int m_currentId = CommandId::InterfaceEnglish;
    int m_appliedId = CommandId::InterfaceEnglish;
    InterfaceStrings m_strings = InterfaceStrings::english();
};

} // namespace verbalink

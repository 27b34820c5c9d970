#pragma once

#include "translate/engines/EngineLanguageCodes.h"
#include "translate/languages/LanguageSnapshot.h"

#include <QByteArray>
#include <QString>

namespace verbalink {

class ContactsPort;
class PerUserLanguageSource;

// The selected engine's current menus: engines with a source and a target menu use both and
// take flags from the target table; Yahoo and SysTran use `target` as their pair.
struct EngineMenus {
    LanguageChoice source;
    LanguageChoice target;
    const LanguageTable* targetTable = nullptr;
};

// The languages of one outgoing translation, resolved before any engine runs.
struct ResolvedLanguages {
    TranslatorId translator = TranslatorId::Google;
    // An empty source lets the service detect it; Yahoo and SysTran carry their pair as target.
    QByteArray source;
    QByteArray target;
    // Country code of the flag emoticon, may be empty.
    QString flag;
    // Source and target are one language: there is nothing to translate.
    bool same = false;
};

// Resolves the menus of one moment, the partner's per-contact rule and, for "Auto Detect (by
// Skype)", the partner's language as the chat client reports it, into the engine's codes and
// the flag that goes with them.
class LanguageResolver {
public:
    LanguageResolver(PerUserLanguageSource& rules, ContactsPort& contacts);

    ResolvedLanguages resolve(const LanguageSnapshot& snapshot, const QString& partner) const;
    // The part for the engines with a source and a target menu.
    ResolvedLanguages resolve(EngineMapping mapping, const EngineMenus& menus,
                              const QString& partner) const;

    // The menus the snapshot's engine translates with.
    static EngineMenus menusOf(const LanguageSnapshot& snapshot);

private:
    QByteArray perUserLanguage(const QString& partner) const;

    PerUserLanguageSource& m_rules;
    ContactsPort& m_contacts;
};

} // namespace verbalink

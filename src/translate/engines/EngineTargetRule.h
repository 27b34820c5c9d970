#pragma once

#include "translate/engines/EngineCall.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace verbalink {

class PartnerLanguageSource;
class PerUserLanguageSource;

// How an engine names a language that comes from the chat client or a per-contact rule.
enum class EngineMapping { Google, Bing, Babylon, Promt };

// The engine's code for that language ("zh-Hans" is "zh-CN" for Google, "10" for Babylon).
QByteArray mapPartnerLanguage(EngineMapping mapping, QByteArrayView language);

// The target of one call, or the verdict that there is nothing to translate.
struct EngineTarget {
    bool skipped = false;
    QByteArray code;
    QString flag;
};

// Chooses the target language of the engines with a source and a target menu: the menu's
// target, the partner's per-contact language, or for "autodetect" the partner's language as
// the chat client reports it; and the flag that goes with it.
class EngineTargetRule {
public:
    // Without a partner source every partner counts as speaking "en"; without a per-user
    // source there are no rules.
    EngineTargetRule(PartnerLanguageSource* partner, PerUserLanguageSource* perUser);

    EngineTarget choose(EngineMapping mapping, const EngineLanguages& languages,
                        const EngineCall& call) const;

private:
    QByteArray perUserLanguage(const QString& partner) const;
    QByteArray partnerLanguage(qint32 messageId) const;

    PartnerLanguageSource* m_partner;
    PerUserLanguageSource* m_perUser;
};

} // namespace verbalink

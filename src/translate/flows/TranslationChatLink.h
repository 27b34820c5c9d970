#pragma once

#include "translate/flows/TranslationChat.h"

namespace verbalink {

class SkypeConnection;

// The translation flows' view of the real link to the chat client.
class TranslationChatLink final : public TranslationChat {
public:
    explicit TranslationChatLink(SkypeConnection& link);

    QByteArray partnerLanguage(qint32 messageId) override;
    bool replaceMessageBody(qint32 messageId, const QString& text) override;
    bool postMessageTo(const QString& name, const QString& text, bool onlyKnown) override;
    QString displayName(const QString& handle) override;
    bool refreshContacts() override;
    QByteArray uiLanguage() override;
    bool encryptionOn() override;
    void log(const QString& line) override;

private:
    SkypeConnection& m_link;
};

} // namespace verbalink

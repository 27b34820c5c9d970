#pragma once

#include "messages/ContactsPort.h"
#include "messages/TranslationChat.h"

namespace verbalink {

class SkypeConnection;

// The message flows' view of the real link to the chat client and its contacts.
class TranslationChatLink final : public TranslationChat, public ContactsPort {
public:
    explicit TranslationChatLink(SkypeConnection& link);

    QByteArray partnerLanguage(const QString& handle) override;
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

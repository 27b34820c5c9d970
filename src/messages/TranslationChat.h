#pragma once

#include <QByteArray>
#include <QString>

namespace verbalink {

// What the translation flows need from the chat client: replace an outgoing message, post a
// message to a contact, names, the client's language, whether bodies go out encrypted, and the
// debug log. Every call may come from a worker thread.
class TranslationChat {
public:
    virtual ~TranslationChat() = default;
    virtual bool replaceMessageBody(qint32 messageId, const QString& text) = 0;
    virtual bool postMessageTo(const QString& name, const QString& text, bool onlyKnown) = 0;
    virtual QString displayName(const QString& handle) = 0;
    // Blocks for seconds; never call it on the thread that handles notifications.
    virtual bool refreshContacts() = 0;
    // The chat client's own interface language, empty until it has reported one.
    virtual QByteArray uiLanguage() = 0;
    // True when a replaced body is sent enciphered.
    virtual bool encryptionOn() = 0;
    virtual void log(const QString& line) = 0;
};

} // namespace verbalink

#pragma once

#include "platform/WorkerThreads.h"
#include "skype/IncomingMessageHandler.h"

#include <QString>
#include <atomic>
#include <functional>
#include <memory>

namespace verbalink {

class MessageList;

// Deciphers received encrypted messages, each on a thread of its own, and lists them with
// time and sender. The threads are joined when the handler is destroyed.
class DecryptionHandler final : public IncomingMessageHandler {
public:
    struct Contacts {
        // The partner's display name; empty when the contact is unknown.
        std::function<QString(const QString& handle)> displayName;
        // Refreshes the contact list (blocking, bounded).
        std::function<bool()> refreshContacts;
    };

    // `listed` runs on the decryption thread after each line was added to `list`.
    DecryptionHandler(MessageList& list, Contacts contacts, std::function<void()> listed);
    ~DecryptionHandler() override;
    DecryptionHandler(const DecryptionHandler&) = delete;
    DecryptionHandler& operator=(const DecryptionHandler&) = delete;

    // `text` is the body after the marker line; `partner` the sender's handle.
    void handle(const QString& text, const QString& partner) override;

    // Joins every decryption thread started so far.
    void waitForAll();

private:
    void decrypt(const QString& text, const QString& partner);
    QString senderName(const QString& partner);

    MessageList& m_list;
    Contacts m_contacts;
    std::function<void()> m_listed;
    // Last: its threads are joined before the members they use go.
    WorkerThreads m_jobs;
};

} // namespace verbalink

#pragma once

#include <QString>
#include <atomic>
#include <functional>

namespace verbalink {

// What a popup shows for a received message.
struct PopupContent {
    QString message;
    QString senderName;
    // The sender's picture file; empty when there is none.
    QString picturePath;
};

// Finds the sender's name and picture for a popup. The pictures are asked from the chat client
// once, and again after a popup found its picture missing. Blocks while the contacts are
// fetched, so it runs off the main thread.
class PopupContentSource {
public:
    struct Contacts {
        std::function<bool()> hasContacts;
        // Refreshes the contact list (blocking, bounded); false when it did not run.
        std::function<bool()> refreshContacts;
        // Asks the client to write every contact's picture into the folder.
        std::function<void(const QString& folder)> refreshAvatars;
        // Empty when the contact is unknown.
        std::function<QString(const QString& handle)> displayName;
    };

    PopupContentSource(QString avatarFolder, Contacts contacts);

    PopupContent prepare(const QString& message, const QString& partner);

private:
    void requestAvatarsOnce();

    QString m_avatarFolder;
    Contacts m_contacts;
    std::atomic<bool> m_avatarsLoaded{false};
    std::atomic<bool> m_avatarLoadRunning{false};
};

} // namespace verbalink

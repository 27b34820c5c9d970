#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace verbalink::desktopapi {

// How the client answers an application's request for access.
enum class NameAnswer { Accept, Refuse, Offline };

struct ApiUser {
    QString handle;
    QString fullName;
    // A language code ("de"); empty when the user's language is unknown.
    QString language;
    // In the friends group; someone met only in a group chat is a user but no friend.
    bool isFriend = true;
};

// What the client tells through the desktop API about itself and its users.
struct ApiState {
    QString ownHandle = QStringLiteral("alice");
    QString uiLanguage = QStringLiteral("en");
    int maxProtocol = 8;
    NameAnswer nameAnswer = NameAnswer::Accept;
    int namePendingMs = 0;
    bool silentPing = false;
    // Every command is answered with an error line, as a client in trouble would.
    bool failCommands = false;
    // The next command gets an error of the bus instead of its answer.
    bool busErrorNext = false;
    // At the next command the client hangs this long before it answers.
    int stallNextMs = 0;
    QList<ApiUser> users;
    // The application name of the last accepted NAME; empty while nobody is attached.
    QString attachedApp;

    const ApiUser* findUser(const QString& handle) const;
    // Adds the user, or replaces name, language and friendship of the one with the same handle.
    void putUser(const ApiUser& user);
    ApiUser* findUser(const QString& handle);
    void removeUser(const QString& handle);
};

} // namespace verbalink::desktopapi

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace verbalink::sim {

// How the simulated client answers an application's request for access.
enum class NameAnswer { Accept, Refuse, Offline };

struct SimUser {
    QString handle;
    QString fullName;
    // A language code ("de"); empty when the user's language is unknown.
    QString language;
};

// Everything a script can change about the simulated client.
struct SimState {
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
    QList<SimUser> users;
    // Handles whose picture the client cannot provide.
    QStringList withoutAvatar;
    // The application name of the last accepted NAME; empty while nobody is attached.
    QString attachedApp;

    const SimUser* findUser(const QString& handle) const;
    // Adds the user, or replaces name and language of the one with the same handle.
    void putUser(const SimUser& user);
    SimUser* findUser(const QString& handle);
};

} // namespace verbalink::sim

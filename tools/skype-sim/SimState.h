#pragma once

#include <QList>
#include <QString>

namespace verbalink::sim {

// How the simulated client answers an application's request for access.
enum class NameAnswer { Accept, Refuse, Offline };

struct SimUser {
    QString handle;
    QString fullName;
    // As the client reports it: a code, optionally followed by the language's name.
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
    QList<SimUser> users;
    // The application name of the last accepted NAME; empty while nobody is attached.
    QString attachedApp;

    const SimUser* findUser(const QString& handle) const;
    void putUser(const SimUser& user);
};

} // namespace verbalink::sim

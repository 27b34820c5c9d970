#pragma once

#include "XmppAccount.h"

#include <QString>
#include <QStringList>

namespace verbalink::xmpp {

// The command line of verbalink-xmpp. What is given there overrides xmpp.conf for this run.
struct ClientOptions {
    enum class Outcome { Run, Help, Version, Bad };

    XmppAccount account;
    // Which of the account's fields the command line set.
    bool jidGiven = false;
    bool serverGiven = false;
    QString passwordFile;
    // How long a read message waits for the program's replacement.
    int holdMs = 3000;
    bool window = false;
    QString script;
    QString messagesFile;
    QString logFile;
    bool verbose = false;

    // Parses arguments (the program name first); the help and version texts and errors go to
    // `text`.
    static Outcome parse(const QStringList& arguments, ClientOptions& options, QString& text);
};

} // namespace verbalink::xmpp

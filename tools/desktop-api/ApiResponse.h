#pragma once

#include <QString>
#include <QStringList>
#include <utility>

namespace verbalink::desktopapi {

// What the chat client does about one command.
struct ApiResponse {
    // The answer to the command itself; empty means an empty answer (nothing to read).
    QString reply;
    // Lines pushed to the attached client after the reply, in order.
    QStringList notifications;
    // The reply is held back this long (the user deciding about access).
    int replyDelayMs = 0;
    // The caller becomes the client that notifications go to.
    bool attachesCaller = false;
    // Instead of the reply, an error of the bus (the client failing to answer in its own
    // library), with this name.
    QString busError;
    // Before anything else the client hangs this long, answering nobody.
    int stallMs = 0;
};

// A response that only answers, as most commands do.
ApiResponse answer(const QString& reply);

// Splits "first rest of the line" at its first space; the rest is kept as written.
std::pair<QString, QString> firstWord(const QString& text);

} // namespace verbalink::desktopapi

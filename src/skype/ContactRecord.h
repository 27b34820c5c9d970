#pragma once

#include <QByteArray>
#include <QString>

namespace verbalink {

// One of the user's contacts as the chat client reported it.
struct ContactRecord {
    QString handle;
    QString fullName;
    // Two-or-more-letter code; "en" when the client gives less.
    QByteArray language;
    bool detailsReceived = false;
    // Text waiting for its chat to be created; empty when none.
    QString pendingMessage;
};

} // namespace verbalink

#pragma once

#include "skype/SkypeTransport.h"

#include <QString>

namespace verbalink {

// What is known about one chat message id seen recently; handed to the message handlers.
struct ChatMessageRecord {
    enum State : int {
        New = 0,
        Requested = 1,
        BodyReceived = 2,
        Dispatched = 3,
        Replaced = 4,
    };

    QString body;
    // The text that replaced the body (plain form only).
    QString replacement;
    QString author;
    qint32 id = 0;
    int state = New;
    bool outgoing = false;
    bool received = false;
    // Seconds since 1970 of the last notification for this id.
    qint64 time = 0;
    SkypeEndpoint skypeWindow;
    // The other participant of a one-to-one chat, else empty.
    QString partner;
    // The chat shows the encryption placeholder instead of the typed text.
    bool placeholder = false;
};

} // namespace verbalink

#pragma once

#include <QString>

namespace verbalink {

// A feature that reacts to a received message (robot, popup, decryption, incoming
// translation). Called on the main thread: it must hand its work to a thread of its own and
// return at once.
class IncomingMessageHandler {
public:
    virtual ~IncomingMessageHandler() = default;
    virtual void handle(const QString& text, const QString& partner) = 0;
};

} // namespace verbalink

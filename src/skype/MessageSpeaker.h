#pragma once

#include <QString>

namespace verbalink {

// Reads received messages aloud. Called on the main thread, so speaking must be asynchronous.
class MessageSpeaker {
public:
    virtual ~MessageSpeaker() = default;
    // False when there is no voice or speaking could not start.
    virtual bool speak(const QString& text) = 0;
};

} // namespace verbalink

#pragma once

#include <QString>

namespace verbalink {

// The spell check before an outgoing message is translated. Runs on the message worker and may
// block while its dialog is open. Returns the text to send: the corrected text when the user
// chose "Send", otherwise the text unchanged.
class OutgoingSpellCheck {
public:
    virtual ~OutgoingSpellCheck() = default;
    virtual QString check(const QString& text) = 0;
};

} // namespace verbalink

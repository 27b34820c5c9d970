#pragma once

#include <QString>

namespace verbalink {

// A short text shown at the mouse pointer for about a second, as feedback for a hot key. A
// second text within that second replaces the first.
class FeedbackPort {
public:
    virtual ~FeedbackPort() = default;
    virtual void showFeedback(const QString& text) = 0;
};

} // namespace verbalink

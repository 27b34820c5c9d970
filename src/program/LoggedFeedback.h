#pragma once

#include "platform/FeedbackPort.h"

namespace verbalink {

// Hot-key feedback shown by another port and written to the program's log as well, so what the
// user was shown can be followed there.
class LoggedFeedback final : public FeedbackPort {
public:
    explicit LoggedFeedback(FeedbackPort& shown) : m_shown(shown) {}
    void showFeedback(const QString& text) override;

private:
    FeedbackPort& m_shown;
};

} // namespace verbalink

#pragma once

#include "platform/FeedbackPort.h"

#include <QTimer>
#include <memory>

class QLabel;

namespace verbalink {

// Hot-key feedback as a small tooltip-like label at the mouse pointer for one second; a second
// text within that second replaces the first and starts the second anew.
class PointerFeedback final : public FeedbackPort {
public:
    PointerFeedback();
    ~PointerFeedback() override;

    void showFeedback(const QString& text) override;
    // The text shown now, empty when hidden (for tests).
    QString visibleText() const;

private:
    std::unique_ptr<QLabel> m_label;
    QTimer m_hide;
};

} // namespace verbalink

#pragma once

#include <QString>

namespace verbalink {

// Owner-less message boxes with fixed texts. Callable from any thread: a caller off the GUI
// thread blocks until the user has dismissed the box.
class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    // An information box with one OK button.
    virtual void showMessage(const QString& text, const QString& caption) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
};

} // namespace verbalink

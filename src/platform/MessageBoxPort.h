#pragma once

#include <QString>

namespace verbalink {

// Owner-less message boxes with fixed texts. Callable from any thread: a caller off the GUI
// thread blocks until the user has dismissed the box.
class MessageBoxPort {
public:
    // The picture beside the text.
    enum class Icon { None, Information, Question, Error };

    virtual ~MessageBoxPort() = default;
    // A box with one OK button, without an icon unless one is asked for.
    virtual void showMessage(const QString& text, const QString& caption,
                             Icon icon = Icon::None) = 0;
    // A Yes/No question, with the question mark unless another icon is asked for; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& caption,
                          Icon icon = Icon::Question) = 0;
};

} // namespace verbalink

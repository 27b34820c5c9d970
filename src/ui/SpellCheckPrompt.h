#pragma once

#include "messages/OutgoingSpellCheck.h"

#include <QObject>
#include <condition_variable>
#include <mutex>

namespace verbalink {

class SpellChecker;

// The spell check of the outgoing flow: a message with a misspelled word opens the dialog on the
// GUI thread while the message worker waits for the user's answer.
class SpellCheckPrompt : public QObject, public OutgoingSpellCheck {
    Q_OBJECT
public:
    explicit SpellCheckPrompt(const SpellChecker& checker);

    // Any thread. The corrected text after Send; the text as it came otherwise.
    QString check(const QString& text) override;
    // GUI thread, before the worker is joined at exit: a waiting check gives its text back.
    void close();

Q_SIGNALS:
    // A dialog opened (for the log).
    void dialogOpened(const QString& title);

private:
    struct Request;
    QString runDialog(const QString& text);

    const SpellChecker& m_checker;
    std::mutex m_mutex;
    std::condition_variable m_answered;
    bool m_closed = false;
};

} // namespace verbalink

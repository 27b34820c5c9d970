#include "ui/SpellCheckPrompt.h"

#include "langtools/SpellChecker.h"
#include "ui/SpellCheckDialog.h"

#include <QThread>
#include <memory>

namespace verbalink {

struct SpellCheckPrompt::Request {
    QString text;
    QString result;
    bool done = false;
};

SpellCheckPrompt::SpellCheckPrompt(const SpellChecker& checker) : m_checker(checker) {}

QString SpellCheckPrompt::check(const QString& text)
{
    if (m_checker.isCorrect(text))
        return text;
    if (QThread::currentThread() == thread())
        return runDialog(text);
    auto request = std::make_shared<Request>();
    request->text = text;
    request->result = text;
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return text;
    }
    // The request outlives a worker that stopped waiting; the call is dropped with this object.
    QMetaObject::invokeMethod(
        this,
        [this, request] {
            const QString result = runDialog(request->text);
            std::lock_guard lock(m_mutex);
            request->result = result;
            request->done = true;
            m_answered.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(m_mutex);
    m_answered.wait(lock, [&] { return request->done || m_closed; });
    return request->result;
}

void SpellCheckPrompt::close()
{
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_answered.notify_all();
}

QString SpellCheckPrompt::runDialog(const QString& text)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return text;
    }
    SpellCheckDialog dialog(m_checker, text);
    Q_EMIT dialogOpened(dialog.windowTitle());
    return dialog.exec() == QDialog::Accepted ? dialog.resultText() : text;
}

} // namespace verbalink

#include "app/DebugLog.h"

#include <QMutexLocker>

namespace verbalink {

DebugLog::DebugLog(QObject* parent) : QObject(parent) {}

void DebugLog::logLine(const QString& text)
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_visible)
            return;
        if (++m_lines > PageLines) {
            m_text.clear();
            // The line that starts the new page counts, so every page holds the same number.
            m_lines = 1;
        }
        m_text += text + u'\n';
    }
    // Outside the lock: a direct receiver reading text() must not deadlock.
    Q_EMIT changed();
}

QString DebugLog::text() const
{
    QMutexLocker lock(&m_mutex);
    return m_text;
}

int DebugLog::lineCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

bool DebugLog::isVisible() const
{
    QMutexLocker lock(&m_mutex);
    return m_visible;
}

void DebugLog::setVisible(bool visible)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_visible == visible)
            return;
        m_visible = visible;
    }
    Q_EMIT visibilityChanged(visible);
}

bool DebugLog::toggleVisible()
{
    bool visible = false;
    {
        QMutexLocker lock(&m_mutex);
        visible = !m_visible;
        m_visible = visible;
    }
    Q_EMIT visibilityChanged(visible);
    return visible;
}

} // namespace verbalink

#include "extras/MessageList.h"

namespace verbalink {

MessageList::MessageList(QObject* parent) : QObject(parent) {}

void MessageList::add(const QString& sender, const QString& text, const QTime& time)
{
    const QString line =
        u'[' + time.toString(QStringLiteral("HH:mm:ss")) + u" , " + sender + u"] " + text;
    {
        QMutexLocker lock(&m_mutex);
        m_lines.prepend(line);
        if (m_lines.size() > Capacity)
            m_lines.resize(Capacity);
    }
    Q_EMIT changed();
}

QStringList MessageList::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

void MessageList::clear()
{
    {
        QMutexLocker lock(&m_mutex);
        m_lines.clear();
    }
    Q_EMIT changed();
}

} // namespace verbalink

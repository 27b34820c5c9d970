#pragma once

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QStringList>

namespace verbalink {

// A list of received-message lines, newest first and at most 50 long, filled from worker
// threads and shown by a message view: the decrypted messages and the translated ones.
class MessageList : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype Capacity = 50;

    explicit MessageList(QObject* parent = nullptr);

    // Adds "[" + time as HH:mm:ss + " , " + sender + "] " + text at the front and drops lines
    // beyond the 50th. Any thread.
    void add(const QString& sender, const QString& text, const QTime& time = QTime::currentTime());
    QStringList lines() const;
    void clear();

Q_SIGNALS:
    // Emitted on the adding thread; connect with a queued connection from GUI code.
    void changed();

private:
    mutable QMutex m_mutex;
    QStringList m_lines;
};

} // namespace verbalink

#include "StdinLineReader.h"

#include <QString>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace verbalink::sim {

StdinLineReader::StdinLineReader(QObject* parent) : QObject(parent) {}

bool StdinLineReader::start()
{
    if (::fcntl(STDIN_FILENO, F_GETFD) < 0)
        return false;
    m_notifier = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &StdinLineReader::readAvailable);
    return true;
}

void StdinLineReader::readAvailable()
{
    char chunk[4096];
    // One read per wake-up: the notifier said there is data, so it does not block.
    const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count > 0) {
        m_buffer.append(chunk, count);
        emitCompleteLines();
        return;
    }
    m_notifier->setEnabled(false);
    if (!m_buffer.isEmpty())
        Q_EMIT lineRead(QString::fromUtf8(std::exchange(m_buffer, {})));
    Q_EMIT finished();
}

void StdinLineReader::emitCompleteLines()
{
    qsizetype end = m_buffer.indexOf('\n');
    while (end >= 0) {
        QByteArray line = m_buffer.first(end);
        m_buffer.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        Q_EMIT lineRead(QString::fromUtf8(line));
        end = m_buffer.indexOf('\n');
    }
}

} // namespace verbalink::sim

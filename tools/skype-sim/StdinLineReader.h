#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace verbalink::sim {

// Reads standard input line by line from the event loop, so the simulator keeps serving
// the bus while it waits for the next directive.
class StdinLineReader : public QObject {
    Q_OBJECT

public:
    explicit StdinLineReader(QObject* parent = nullptr);
    // False when there is no standard input to read.
    bool start();

Q_SIGNALS:
    void lineRead(const QString& line);
    void finished();

private:
    void readAvailable();
    void emitCompleteLines();

    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_buffer;
};

} // namespace verbalink::sim

#pragma once

#include <QList>
#include <QObject>
#include <initializer_list>

class QSocketNotifier;

namespace verbalink {

// Turns SIGTERM/SIGINT into a Qt signal on the main thread, so that logging out or Ctrl+C ends
// the program through the same orderly shutdown as the Exit command. One per process.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(std::initializer_list<int> signals, QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

Q_SIGNALS:
    void received(int signal);

private:
    void readPending();

    QSocketNotifier* m_notifier = nullptr;
    QList<int> m_signals;
};

} // namespace verbalink

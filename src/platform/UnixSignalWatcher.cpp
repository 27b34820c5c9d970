#include "platform/UnixSignalWatcher.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace verbalink {

namespace {

// The write end of the self-pipe: the only thing a signal handler may safely touch.
int g_signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

UnixSignalWatcher::UnixSignalWatcher(std::initializer_list<int> signals, QObject* parent)
    : QObject(parent)
{
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readPending);
    m_signals = signals;
    for (int signal : signals) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signal, &action, nullptr);
    }
}

UnixSignalWatcher::~UnixSignalWatcher()
{
    // Later signals take their default action again: the program is ending anyway.
    for (int signal : m_signals)
        ::signal(signal, SIG_DFL);
    delete m_notifier;
    m_notifier = nullptr;
    for (int& fd : g_signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void UnixSignalWatcher::readPending()
{
    unsigned char byte = 0;
    while (::read(g_signalPipe[0], &byte, 1) == 1)
        Q_EMIT received(byte);
}

} // namespace verbalink

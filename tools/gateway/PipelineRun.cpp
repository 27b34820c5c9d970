#include "gateway/PipelineRun.h"

#include "gateway/SocketWrite.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace verbalink::gateway {

namespace {

constexpr int ReaderWakeMs = 100;
constexpr int GracefulExitMs = 1000;

} // namespace

std::shared_ptr<PipelineRun> PipelineRun::start(const QByteArray& command,
                                                const QList<QByteArray>& arguments, QString* error)
{
    QList<QByteArray> argv{"/bin/sh", "-c", command, "sh"};
    argv += arguments;
    // The tools read and write UTF-8 whatever the gateway's own locale is.
    std::unique_ptr<ChildProcess> process = ChildProcess::start(argv, {"LC_ALL=C.UTF-8"}, error);
    if (!process)
        return nullptr;
    return std::make_shared<PipelineRun>(std::move(process));
}

PipelineRun::PipelineRun(std::unique_ptr<ChildProcess> process)
    : m_process(std::move(process)), m_reader([this] { readAnswers(); })
{}

PipelineRun::~PipelineRun()
{
    m_process->closeInput();
    if (!m_process->waitForExit(GracefulExitMs))
        m_process->kill();
    m_stopping = true;
    m_reader.join();
}

std::future<PipelineRun::Answer> PipelineRun::submit(QByteArrayView request, Deadline deadline)
{
    std::lock_guard writeLock(m_writeMutex);
    std::promise<Answer> promise;
    std::future<Answer> future = promise.get_future();
    {
        std::lock_guard lock(m_waitingMutex);
        if (!m_alive) {
            promise.set_value(std::nullopt);
            return future;
        }
        m_waiting.push_back(std::move(promise));
    }
    QByteArray bytes = request.toByteArray();
    bytes += '\0';
    // A pipeline that takes no input any more is stuck: nothing behind this request would come.
    if (!writeAll(m_process->input(), bytes, deadline))
        abandon();
    return future;
}

void PipelineRun::abandon()
{
    m_process->kill();
}

void PipelineRun::readAnswers()
{
    QByteArray buffer;
    char chunk[65536];
    while (!m_stopping) {
        pollfd entry{m_process->output(), POLLIN, 0};
        const int ready = ::poll(&entry, 1, ReaderWakeMs);
        if (ready == 0 || (ready < 0 && errno == EINTR))
            continue;
        const ssize_t n = ready < 0 ? -1 : ::read(m_process->output(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        buffer.append(chunk, n);
        qsizetype end = 0;
        qsizetype from = 0;
        bool inStep = true;
        while (inStep && (end = buffer.indexOf('\0', from)) >= 0) {
            inStep = deliver(buffer.sliced(from, end - from));
            from = end + 1;
        }
        buffer.remove(0, from);
        if (!inStep) {
            // An answer nobody asked for: the stream is out of step, nothing after it is right.
            m_process->kill();
            break;
        }
    }
    failWaiting();
}

bool PipelineRun::deliver(QByteArray answer)
{
    std::promise<Answer> promise;
    {
        std::lock_guard lock(m_waitingMutex);
        if (m_waiting.empty())
            return false;
        promise = std::move(m_waiting.front());
        m_waiting.pop_front();
    }
    promise.set_value(std::move(answer));
    return true;
}

void PipelineRun::failWaiting()
{
    std::deque<std::promise<Answer>> waiting;
    {
        std::lock_guard lock(m_waitingMutex);
        m_alive = false;
        waiting.swap(m_waiting);
    }
    for (std::promise<Answer>& promise : waiting)
        promise.set_value(std::nullopt);
}

} // namespace verbalink::gateway

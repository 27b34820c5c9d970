#include "gateway/RequestPool.h"

#include "gateway/GatewayLog.h"
#include "gateway/RequestHandler.h"

namespace verbalink::gateway {

RequestPool::RequestPool(RequestHandler& handler, GatewayLog& log, int threads,
                         std::function<void()> answered)
    : m_handler(handler), m_log(log), m_answered(std::move(answered))
{
    for (int i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { work(); });
}

RequestPool::~RequestPool()
{
    stop();
}

void RequestPool::submit(Request request)
{
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(std::move(request));
    }
    m_submitted.notify_one();
}

std::vector<RequestPool::Answer> RequestPool::takeAnswers()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_answers, {});
}

void RequestPool::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_requests.clear();
    }
    m_submitted.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
    m_threads.clear();
}

void RequestPool::work()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_submitted.wait(lock, [this] { return m_stopping || !m_requests.empty(); });
        if (m_stopping)
            return;
        Request request = std::move(m_requests.front());
        m_requests.pop_front();
        lock.unlock();
        Answer answered = answer(request);
        lock.lock();
        m_answers.push_back(std::move(answered));
        lock.unlock();
        m_answered();
        lock.lock();
    }
}

RequestPool::Answer RequestPool::answer(const Request& request)
{
    const RequestHandler::Handled handled = m_handler.handle(request.request);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - request.accepted);
    // One pass over all the parts: text from the request must not be taken for a marker.
    m_log.write(QStringLiteral("%1 %2 %3 -> %4 %5 (%6 ms)")
                    .arg(request.peer, QString::fromLatin1(request.request.method),
                         QString::fromLatin1(request.request.path.left(80)),
                         QString::number(handled.response.status), handled.summary,
                         QString::number(elapsed.count())));
    return {request.connection, handled.response.toBytes()};
}

} // namespace verbalink::gateway

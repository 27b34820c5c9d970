#pragma once

#include "gateway/HttpRequest.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace verbalink::gateway {

class GatewayLog;
class RequestHandler;

// The threads that answer whole requests: each takes the oldest one waiting, has it translated,
// logs it and hands the answer back, so requests for different directions are translated side
// by side while the server goes on reading and writing.
class RequestPool {
public:
    struct Request {
        quint64 connection = 0;
        HttpRequest request;
        QString peer;
        std::chrono::steady_clock::time_point accepted;
    };
    struct Answer {
        quint64 connection = 0;
        QByteArray bytes;
    };

    // `answered` is called, on a pool thread, after each answer is ready to be taken.
    RequestPool(RequestHandler& handler, GatewayLog& log, int threads,
                std::function<void()> answered);
    ~RequestPool();
    RequestPool(const RequestPool&) = delete;
    RequestPool& operator=(const RequestPool&) = delete;

    void submit(Request request);
    std::vector<Answer> takeAnswers();
    // Waits for the requests being answered; those still waiting are dropped.
    void stop();

private:
    void work();
    Answer answer(const Request& request);

    RequestHandler& m_handler;
    GatewayLog& m_log;
    std::function<void()> m_answered;
    std::mutex m_mutex;
    std::condition_variable m_submitted;
    std::deque<Request> m_requests;
    std::vector<Answer> m_answers;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace verbalink::gateway

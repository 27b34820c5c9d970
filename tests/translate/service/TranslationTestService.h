#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QQueue>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace verbalink::test {

// A loopback stand-in for the six translation services on one port: the request path tells
// the services apart, so every host can point at 127.0.0.1:port. Each connection's raw bytes
// are recorded. Answers come from a per-route queue; with the queue empty a route answers in
// its service's format with the request's own text tagged by the target language
// ("[de] Hello"), so a round trip shows that the text went out and came back intact.
class TranslationTestService {
public:
    enum class Route {
        Google,
        GoogleDetecting,
        Yahoo,
        Bing,
        Babylon,
        SysTranCookie,
        SysTranTranslate,
        Promt,
        Robot,
        Unknown,
    };

    struct Answer {
        enum Kind {
            Reply,    // write the bytes, then close
            KeepOpen, // write the bytes and leave closing to the client, as Bing does
            Drop,     // close without a byte
            Hold,     // take the request and never answer, until the client gives up
            Gated,    // answer (by default, when the bytes are empty) once openGate() is called
        };
        Kind kind = Reply;
        QByteArray bytes;
    };
    static Answer reply(QByteArray bytes) { return {Answer::Reply, std::move(bytes)}; }
    static Answer keepOpen(QByteArray bytes) { return {Answer::KeepOpen, std::move(bytes)}; }
    static Answer drop() { return {Answer::Drop, {}}; }
    static Answer hold() { return {Answer::Hold, {}}; }
    // A service slower than any deadline of the client: the answer waits for the test.
    static Answer gated(QByteArray bytes = {}) { return {Answer::Gated, std::move(bytes)}; }

    struct Request {
        Route route = Route::Unknown;
        QByteArray bytes;
    };

    TranslationTestService();
    ~TranslationTestService();
    TranslationTestService(const TranslationTestService&) = delete;
    TranslationTestService& operator=(const TranslationTestService&) = delete;

    // False when the loopback port could not be opened.
    bool listening() const { return m_listenFd >= 0; }
    quint16 port() const { return m_port; }
    // "127.0.0.1:<port>", as a configured host.
    QByteArray hostPort() const;

    void queue(Route route, Answer answer);
    // Lets every gated answer, waiting or still to come, go out.
    void openGate();

    // Every finished connection, in order.
    QList<Request> requests() const;
    // Waits until `count` connections have finished; false on time-out.
    bool waitForRequests(int count, int timeoutMs = 5000) const;

    // Which service a request is for, by its path.
    static Route routeOf(const QByteArray& request);
    // The answer a route gives when nothing is queued.
    static Answer defaultAnswer(Route route, const QByteArray& request);

private:
    void serve();
    void handle(int fd);
    Answer nextAnswer(Route route, const QByteArray& request);
    qsizetype record(Route route, const QByteArray& bytes);
    // Waits for the gate, reading what the client still sends; false when the client left.
    bool waitForGate(int fd, QByteArray& bytes);

    int m_listenFd = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_gateOpen{false};
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_finished;
    QHash<int, QQueue<Answer>> m_queues;
    QList<Request> m_requests;
    std::thread m_thread;
};

} // namespace verbalink::test

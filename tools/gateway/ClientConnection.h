#pragma once

#include "gateway/RequestBuffer.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <netinet/in.h>

namespace verbalink::gateway {

// One client's connection as the server's event loop keeps it: its request coming in, the wait
// for the answer, the answer going out, then the wait for the client to close, each within a
// time of its own. The socket is non-blocking and nothing here waits for it.
class ClientConnection {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr int RequestWaitMs = 5000;
    static constexpr int AnswerWaitMs = 5000;
    static constexpr int CloseWaitMs = 2000;

    enum class State { Reading, Answering, Writing, Closing };
    // What a read brought.
    enum class Read { More, Whole, Refused, Ended };

    ClientConnection(int socket, const sockaddr_in& peer, RequestLimits limits);
    ~ClientConnection();
    ClientConnection(const ClientConnection&) = delete;
    ClientConnection& operator=(const ClientConnection&) = delete;

    int socket() const { return m_socket; }
    State state() const { return m_state; }
    Clock::time_point accepted() const { return m_accepted; }
    // When the current state has lasted too long.
    Clock::time_point deadline() const { return m_deadline; }
    // The events the loop waits for in this state (EPOLLIN, EPOLLOUT or none).
    quint32 events() const;
    qsizetype bufferedBytes() const { return m_state == State::Reading ? m_request.size() : 0; }
    // Whether any byte of a request came.
    bool received() const { return m_request.size() > 0; }
    QString peer() const;

    // Reading: takes what has come. Whole and Refused leave what the bytes amount to in
    // `parsed`; Ended means the client closed or failed before its request was whole.
    Read read(ParsedRequest& parsed);
    // The same for a client that sends no more (it closed, or its time is up).
    Read lastLook(ParsedRequest& parsed);
    static Read readOf(const ParsedRequest& parsed, Read unfinished);
    // The request went to be answered.
    void awaitAnswer();
    // Starts the answer and writes what the socket takes; once all of it is out the connection
    // is Closing. False when the client is gone.
    bool answer(QByteArray bytes);
    bool writeMore();
    // Closing: reads and drops what the client still sends; false once it has closed.
    bool drain();

private:
    void enter(State state, int waitMs);

    int m_socket;
    sockaddr_in m_peer;
    Clock::time_point m_accepted;
    Clock::time_point m_deadline;
    State m_state = State::Reading;
    RequestBuffer m_request;
    QByteArray m_answer;
    qsizetype m_written = 0;
};

} // namespace verbalink::gateway

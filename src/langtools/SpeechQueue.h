#pragma once

#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace verbalink {

// One message to speak, with the voice and rate in force when it was queued.
struct SpeechRequest {
    QString text;
    // Index into the engine's voice list; -1 for the engine's default voice.
    int voice = -1;
    int wordsPerMinute = 0;
};

// The messages waiting to be spoken, first in first out, with room for a fixed number so that a
// flood of messages cannot queue hours of speech. Closing drops what waits and ends the taking.
class SpeechQueue {
public:
    explicit SpeechQueue(std::size_t capacity) : m_capacity(capacity) {}

    // False when the queue is full or closed.
    bool push(SpeechRequest request);
    // The oldest request, waiting for one; nothing once closed. The taker calls done() after.
    std::optional<SpeechRequest> take();
    void done();
    void close();
    // Returns when nothing waits and nothing is being spoken, or the queue is closed.
    void waitUntilIdle();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<SpeechRequest> m_requests;
    std::size_t m_capacity;
    bool m_busy = false;
    bool m_closed = false;
};

} // namespace verbalink

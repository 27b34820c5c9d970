#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <functional>
#include <mutex>

namespace verbalink {

// The bounded byte buffer of one accepted call audio connection, shared under its own lock by
// the server's I/O thread and the audio engine: received audio waiting to be consumed, or audio
// waiting to be sent. Bytes are raw 16-bit PCM, so whatever is dropped is dropped in whole
// samples and the buffer never slips by half a sample.
class CallAudioConnection {
public:
    static constexpr qsizetype Capacity = 100000;

    // wake, if set, is called after bytes were queued into an empty buffer.
    explicit CallAudioConnection(std::function<void()> wake = {});

    // Appends what fits in the room left and drops the rest; returns the bytes kept.
    qsizetype append(QByteArrayView bytes);
    // Removes and returns up to max bytes from the front.
    QByteArray take(qsizetype max = Capacity);
    // The same into the caller's buffer, which keeps its capacity from block to block.
    void take(QByteArray& into, qsizetype max);
    // The voice changer's share: copies out the newest whole samples it has not seen yet, at
    // most max bytes, passing over older ones so a backlog never reaches the partner. With keep
    // they all stay for the recorder, which consumes the stream at its own pace; otherwise they
    // leave, with everything before them. Returns the bytes copied.
    qsizetype takeUnseen(char* bytes, qsizetype max, bool keep);
    // What the recorder may take: everything held, or while the voice changer keeps bytes for
    // it, only those it has processed, so none escapes the voice changer.
    qsizetype recordable() const;
    // The voice changer stopped looking: the recorder may take everything again.
    void releaseSeen();
    // Offers the held bytes to send, which returns how many it took (or a negative value);
    // those leave the front. Returns send's result.
    qsizetype drainInto(const std::function<qsizetype(const char*, qsizetype)>& send);
    qsizetype held() const;
    // Bytes dropped so far for want of room.
    qint64 dropped() const;
    // False once the server has seen the peer go or has stopped; the wake hook is dropped then.
    bool isOpen() const;
    void markClosed();

private:
    mutable std::mutex m_lock;
    QByteArray m_bytes;
    qint64 m_dropped = 0;
    qsizetype m_seen = 0; // leading bytes the voice changer has processed already
    bool m_keepingSeen = false;
    bool m_skipByte = false; // an odd drop also drops the next byte, keeping samples aligned
    bool m_open = true;
    std::function<void()> m_wake;
};

} // namespace verbalink

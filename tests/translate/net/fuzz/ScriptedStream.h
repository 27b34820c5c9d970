#pragma once

#include "translate/net/ByteStream.h"

#include <QByteArray>
#include <QList>

namespace verbalink::fuzz {

// A peer that plays a script instead of a socket: data arrives in chunks, falls silent for a
// while, fails or ends. Time is virtual: a wait ends at once when the silence would be over
// within it, as poll() does, and costs nothing but is counted.
class ScriptedStream final : public ByteStream {
public:
    struct Event {
        enum Kind { Data, Quiet, Error, End };
        Kind kind = End;
        QByteArray bytes;
        int quietMs = 0;
    };

    // The script's text form: plain bytes are data; 0xFF starts a command: FF 00 n is a silence
    // of n × 10 ms, FF 01 an error, FF 02 the end, FF 03 a chunk boundary and FF FF one 0xFF byte.
    static QList<Event> parseScript(QByteArrayView text);

    explicit ScriptedStream(QList<Event> script);

    bool isOpen() const override { return !m_closed; }
    bool send(QByteArrayView bytes) override;
    int waitReadable(int waitMs) override;
    qsizetype read(char* buffer, qsizetype size) override;
    void close() override { m_closed = true; }

    // The conversation: each send of the other side on its own, the bytes it read between two
    // sends joined.
    struct Piece {
        bool fromPeer = false;
        QByteArray bytes;
    };
    const QList<Piece>& transcript() const { return m_transcript; }
    // Everything the other side sent, and every byte it was handed, in order.
    const QByteArray& sent() const { return m_sent; }
    const QByteArray& delivered() const { return m_delivered; }
    qint64 waitedMs() const { return m_waitedMs; }

private:
    const Event& current() const;
    void advance();

    QList<Event> m_script;
    qsizetype m_next = 0;
    qsizetype m_offset = 0;
    int m_quietLeftMs = 0;
    bool m_closed = false;
    QList<Piece> m_transcript;
    QByteArray m_sent;
    QByteArray m_delivered;
    qint64 m_waitedMs = 0;
};

} // namespace verbalink::fuzz

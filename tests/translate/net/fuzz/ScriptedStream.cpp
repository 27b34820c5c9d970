#include "ScriptedStream.h"

#include <algorithm>

namespace verbalink::fuzz {

namespace {

constexpr char Command = '\xff';

void appendData(QList<ScriptedStream::Event>& script, char byte, bool newChunk)
{
    if (newChunk || script.isEmpty() || script.last().kind != ScriptedStream::Event::Data)
        script.append({ScriptedStream::Event::Data, {}, 0});
    script.last().bytes.append(byte);
}

} // namespace

QList<ScriptedStream::Event> ScriptedStream::parseScript(QByteArrayView text)
{
    QList<Event> script;
    bool newChunk = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != Command || i + 1 == text.size()) {
            appendData(script, text[i], newChunk);
            newChunk = false;
            continue;
        }
        const auto code = static_cast<unsigned char>(text[++i]);
        if (code == 0x00 && i + 1 < text.size()) {
            script.append({Event::Quiet, {}, 10 * static_cast<unsigned char>(text[++i])});
        } else if (code == 0x01) {
            script.append({Event::Error, {}, 0});
        } else if (code == 0x02) {
            script.append({Event::End, {}, 0});
        } else if (code == 0xFF) {
            appendData(script, Command, newChunk);
            newChunk = false;
            continue;
        }
        newChunk = true;
    }
    return script;
}

ScriptedStream::ScriptedStream(QList<Event> script) : m_script(std::move(script))
{
    m_quietLeftMs = current().quietMs;
}

const ScriptedStream::Event& ScriptedStream::current() const
{
    // Past the script the peer has closed.
    static const Event end{Event::End, {}, 0};
    return m_next < m_script.size() ? m_script[m_next] : end;
}

void ScriptedStream::advance()
{
    if (m_next < m_script.size())
        ++m_next;
    m_offset = 0;
    m_quietLeftMs = current().quietMs;
}

bool ScriptedStream::send(QByteArrayView bytes)
{
    if (m_closed)
        return false;
    m_sent += bytes;
    m_transcript.append(Piece{false, bytes.toByteArray()});
    return true;
}

int ScriptedStream::waitReadable(int waitMs)
{
    if (m_closed)
        return -1;
    int left = qMax(waitMs, 0);
    // A silence that ends within the wait ends the wait, unless another one follows it.
    while (current().kind == Event::Quiet) {
        const int waited = qMin(left, m_quietLeftMs);
        m_waitedMs += waited;
        m_quietLeftMs -= waited;
        left -= waited;
        if (m_quietLeftMs > 0)
            return 0;
        advance();
    }
    return 1;
}

qsizetype ScriptedStream::read(char* buffer, qsizetype size)
{
    if (m_closed)
        return -1;
    // A read during a silence blocks until it is over.
    while (current().kind == Event::Quiet) {
        m_waitedMs += m_quietLeftMs;
        advance();
    }
    const Event& event = current();
    if (event.kind == Event::Error) {
        advance();
        return -1;
    }
    if (event.kind == Event::End || size <= 0)
        return 0;
    const qsizetype n = qMin(size, event.bytes.size() - m_offset);
    std::copy_n(event.bytes.constData() + m_offset, n, buffer);
    m_delivered.append(event.bytes.constData() + m_offset, n);
    if (m_transcript.isEmpty() || !m_transcript.last().fromPeer)
        m_transcript.append(Piece{true, {}});
    m_transcript.last().bytes.append(event.bytes.constData() + m_offset, n);
    m_offset += n;
    if (m_offset == event.bytes.size())
        advance();
    return n;
}

} // namespace verbalink::fuzz

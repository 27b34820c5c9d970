#include "gateway/RequestBuffer.h"

#include <algorithm>

namespace verbalink::gateway {

RequestBuffer::RequestBuffer(RequestLimits limits) : m_limits(limits) {}

ParsedRequest RequestBuffer::append(QByteArrayView bytes)
{
    const qsizetype newFrom = m_bytes.size();
    m_bytes.append(bytes);
    skipLeadingEmptyLines();
    if (!worthParsing(newFrom))
        return {};
    return parse();
}

ParsedRequest RequestBuffer::parse()
{
    ++m_parses;
    m_parsedSize = m_bytes.size();
    ParsedRequest parsed = parseHttpRequest(m_bytes, m_limits);
    if (parsed.state == ParsedRequest::State::Incomplete)
        m_awaited = parsed.awaitedBytes;
    return parsed;
}

bool RequestBuffer::worthParsing(qsizetype newFrom)
{
    if (m_parses == 0)
        return true;
    if (m_awaited > 0)
        return m_bytes.size() >= m_awaited;
    if (!m_headEnded && headEndsFrom(std::max(m_requestLine, newFrom - 2))) {
        m_headEnded = true;
        return true;
    }
    return m_bytes.size() > m_limits.headBytes || m_bytes.size() >= 2 * m_parsedSize;
}

bool RequestBuffer::headEndsFrom(qsizetype from) const
{
    // An empty line, "\n" or "\r\n", right after a line end.
    for (qsizetype at = m_bytes.indexOf('\n', from); at >= 0; at = m_bytes.indexOf('\n', at + 1)) {
        const QByteArrayView rest = QByteArrayView(m_bytes).sliced(at + 1);
        if (rest.startsWith('\n') || rest.startsWith("\r\n"))
            return true;
    }
    return false;
}

void RequestBuffer::skipLeadingEmptyLines()
{
    const QByteArrayView bytes(m_bytes);
    while (m_requestLine < bytes.size()) {
        const QByteArrayView rest = bytes.sliced(m_requestLine);
        if (rest.startsWith('\n'))
            m_requestLine += 1;
        else if (rest.startsWith("\r\n"))
            m_requestLine += 2;
        else
            break;
    }
}

} // namespace verbalink::gateway

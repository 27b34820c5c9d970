#pragma once

#include "gateway/HttpRequestParser.h"

#include <QByteArray>
#include <QByteArrayView>

namespace verbalink::gateway {

// The bytes of one request as they come in, parsed again only when that can tell something new:
// the first bytes, the end of the head, the whole body, the head's limit passed, or twice the
// bytes of the last look. A request that trickles in a byte at a time then costs a few parses,
// not one per byte.
class RequestBuffer {
public:
    explicit RequestBuffer(RequestLimits limits = {});

    // Adds bytes; Incomplete while the request may still come whole.
    ParsedRequest append(QByteArrayView bytes);
    // What the bytes amount to now, for a client that has stopped sending.
    ParsedRequest parse();

    qsizetype size() const { return m_bytes.size(); }
    int parses() const { return m_parses; }

private:
    bool worthParsing(qsizetype newFrom);
    bool headEndsFrom(qsizetype from) const;
    void skipLeadingEmptyLines();

    RequestLimits m_limits;
    QByteArray m_bytes;
    // Where the request line starts: the parser passes over empty lines before it.
    qsizetype m_requestLine = 0;
    qsizetype m_parsedSize = 0;
    qsizetype m_awaited = 0;
    bool m_headEnded = false;
    int m_parses = 0;
};

} // namespace verbalink::gateway

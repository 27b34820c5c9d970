#pragma once

#include "gateway/HttpRequest.h"

namespace verbalink::gateway {

// How much of a request the gateway takes. The engines put the whole message into the query,
// so a request line may be long.
struct RequestLimits {
    qsizetype headBytes = 1 << 20;
    qsizetype bodyBytes = 1 << 20;
    int fields = 100;
};

// What the bytes received so far amount to.
struct ParsedRequest {
    enum class State { Complete, Incomplete, Invalid };
    State state = State::Incomplete;
    // Complete: the request.
    HttpRequest request;
    // Invalid: the status to answer with and what is wrong, for the answer and the log.
    int status = 0;
    QByteArray error;
    // Incomplete with the head read: how many bytes the whole request takes.
    qsizetype awaitedBytes = 0;
};

// Reads one request from the bytes received so far. A pure function over bytes: any input gives
// an answer, Incomplete only while more bytes could still make a valid request. Lines may end
// in CR LF or LF; bytes after the body are left alone.
ParsedRequest parseHttpRequest(QByteArrayView bytes, const RequestLimits& limits = {});

} // namespace verbalink::gateway

#pragma once

#include <QtGlobal>

namespace verbalink {

class ByteStream;

// Reads into buffer[0..capacity) until the peer closes, the capacity is full, or the stream stays
// silent: each chunk waits for at most (timeoutValue / 10) quiet spells of 20 ms, and in
// `singleRead` mode the read ends about 70 ms after the data stops. Returns the bytes read, 0 for
// a closed stream (buffer untouched), -1 when the first read fails (the stream is then closed).
// Nothing is written past `capacity`.
int receiveResponse(ByteStream& stream, char* buffer, qsizetype capacity, bool singleRead,
                    int timeoutValue);

} // namespace verbalink

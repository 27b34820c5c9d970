#include "translate/net/ResponseReceive.h"

#include "translate/net/ByteStream.h"

#include <algorithm>
#include <climits>

namespace verbalink {

namespace {

// The quiet spell that one unit of the receive budget stands for, and the extra grace a
// single-read response gets before it counts as complete.
constexpr int QuietSpellMs = 20;
constexpr int SingleReadGraceMs = 50;

} // namespace

int receiveResponse(ByteStream& stream, char* buffer, qsizetype capacity, bool singleRead,
                    int timeoutValue)
{
    if (!stream.isOpen())
        return 0;
    // The count is returned as an int.
    capacity = std::clamp<qsizetype>(capacity, 0, INT_MAX);
    qsizetype received = 0;
    while (received < capacity) {
        // The wait sleeps in the poll rather than beside it, so data that arrives ends the quiet
        // spell at once; each full spell of silence costs one unit of the budget.
        int budget = timeoutValue / 10;
        int state = stream.waitReadable(0);
        while (state == 0) {
            state = stream.waitReadable(QuietSpellMs);
            if (state != 0)
                break;
            if (--budget <= 0)
                break;
            if (singleRead && received > 0) {
                state = stream.waitReadable(SingleReadGraceMs);
                break;
            }
        }
        if (budget <= 0 || state < 0 || (singleRead && received > 0 && state == 0))
            break;
        const qsizetype n = stream.read(buffer + received, capacity - received);
        if (n < 0) {
            stream.close();
            if (received == 0)
                return -1;
            break;
        }
        if (n == 0)
            break;
        received += qMin(n, capacity - received);
    }
    return int(received);
}

} // namespace verbalink

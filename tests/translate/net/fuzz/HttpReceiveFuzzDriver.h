#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Plays one answer, split into chunks and silences as the input says, to a direct exchange and
// checks the receive against its rules: nothing past the capacity, nothing invented, nothing
// lost that came within the time budget, -1 only for a failure before the first byte, and no
// wait longer than the budget. Input: a capacity byte, a mode byte (bit 0 single read, the
// rest the time-out value in tens), then a ScriptedStream script.
QString driveHttpReceive(QByteArrayView input);

} // namespace verbalink::fuzz

#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Reads the input (UTF-8) as the robot service's answer: the answer is never longer than the
// text it came from, a conversation id holds no quote and stands only when its marker does,
// and an answer whose text needed no unescaping comes back exactly as the service wrote it.
QString driveRobotAnswer(QByteArrayView input);

} // namespace verbalink::fuzz

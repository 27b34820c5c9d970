#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Hands one raw service answer to every engine's extraction and unescaping and checks what must
// hold for any answer: no field is longer than the answer it came from (a sentence is never
// taken twice), unescaping never grows a text, a detected language has at most two letters,
// and the SysTran cookie line stays one header line whatever the cookies say.
QString driveEngineAnswers(QByteArrayView input);

} // namespace verbalink::fuzz

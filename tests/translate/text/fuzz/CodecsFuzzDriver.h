#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Runs every text codec over one input and checks what must hold for any input: limits are
// kept, round trips return what went in, and the one-pass rewrites agree with a literal
// restart-from-the-start implementation on small inputs. Returns an empty string when all
// holds, otherwise what failed.
QString driveCodecs(QByteArrayView input);

} // namespace verbalink::fuzz

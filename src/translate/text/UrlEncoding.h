#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace verbalink {

// Percent-encodes request parameters: letters, digits and "-_.~" stay, every other byte
// becomes "%XX" with upper-case hex (a space is "%20", never "+"). Stops at the first NUL.
QByteArray urlEncode(QByteArrayView bytes);

} // namespace verbalink

#pragma once

#include <QStringView>

namespace verbalink {

// The value of the hex digits of a "\uXXXX"-style escape (both cases), or -1 when the view is
// empty or holds anything but hex digits. Callers pass four digits.
int hexDigitsValue(QStringView digits);

} // namespace verbalink

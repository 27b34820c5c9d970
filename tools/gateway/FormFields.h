#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace verbalink::gateway {

// Named values as requests carry them: "a=1&b=2" in queries and form bodies, "a=1; b=2;" in a
// Cookie line.
namespace FormFields {

// The first value of that name, percent-decoded, with "+" read as a space.
std::optional<QByteArray> formValue(QByteArrayView fields, QByteArrayView name);
// The first cookie of that name, as sent (surrounding spaces removed).
std::optional<QByteArray> cookieValue(QByteArrayView cookies, QByteArrayView name);

} // namespace FormFields

} // namespace verbalink::gateway

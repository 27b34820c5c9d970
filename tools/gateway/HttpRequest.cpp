#include "gateway/HttpRequest.h"

namespace verbalink::gateway {

std::optional<QByteArray> HttpRequest::field(QByteArrayView name) const
{
    for (const Field& candidate : fields) {
        if (candidate.name.compare(name, Qt::CaseInsensitive) == 0)
            return candidate.value;
    }
    return std::nullopt;
}

} // namespace verbalink::gateway

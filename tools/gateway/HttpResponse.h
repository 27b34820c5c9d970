#pragma once

#include <QByteArray>
#include <QList>

namespace verbalink::gateway {

// One answer: status, content type, any further header lines and the body. The gateway closes
// every connection after its answer, as the services did for these clients.
struct HttpResponse {
    int status = 200;
    QByteArray contentType;
    // Whole lines without their CR LF, such as "Set-Cookie: a=1; path=/".
    QList<QByteArray> fields;
    QByteArray body;

    QByteArray toBytes() const;
};

} // namespace verbalink::gateway

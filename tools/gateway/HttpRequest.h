#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

namespace verbalink::gateway {

// One HTTP request as a client sent it: the request line split up, the header fields in
// order, and the body.
struct HttpRequest {
    struct Field {
        QByteArray name;
        QByteArray value;
    };

    QByteArray method;
    // As sent: "/path?query" or, through a proxy, "http://host/path?query".
    QByteArray target;
    // The path alone ("/" at least), also for an absolute target; still percent-encoded.
    QByteArray path;
    // What follows the "?", still encoded.
    QByteArray query;
    QByteArray version;
    QList<Field> fields;
    QByteArray body;

    // The value of the first field of that name (names compared without case).
    std::optional<QByteArray> field(QByteArrayView name) const;
};

} // namespace verbalink::gateway

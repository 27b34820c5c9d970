#include "gateway/HttpResponse.h"

namespace verbalink::gateway {

namespace {

const char* reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 431:
        return "Request Header Fields Too Large";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return status < 500 ? "Bad Request" : "Internal Server Error";
    }
}

} // namespace

QByteArray HttpResponse::toBytes() const
{
    QByteArray bytes = "HTTP/1.0 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                       "\r\nContent-Type: " + contentType + "\r\n";
    for (const QByteArray& field : fields)
        bytes += field + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(body.size()) +
             "\r\nConnection: close\r\n\r\n" + body;
    return bytes;
}

} // namespace verbalink::gateway

#pragma once

#include <QByteArray>
#include <QString>

namespace verbalink::gateway {

// The requests the gateway answers, each in the form one of the services took it.
enum class Service {
    Google,          // outgoing and incoming messages
    GoogleDetecting, // the chat robot's variant that reports the source language
    Yahoo,
    Bing,
    Babylon,
    SysTranCookie, // the page that hands out the session cookie
    SysTran,
    Promt,
};

// What one request asks for: a text and two language codes as the service names them. An
// empty source (or the service's own word for it) asks for detection.
struct ServiceRequest {
    Service service = Service::Google;
    QString text;
    QByteArray source;
    QByteArray target;
};

// A short name for the log.
const char* serviceName(Service service);

} // namespace verbalink::gateway

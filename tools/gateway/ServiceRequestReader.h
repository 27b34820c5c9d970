#pragma once

#include "gateway/HttpRequest.h"
#include "gateway/ServiceRequest.h"

#include <optional>

namespace verbalink::gateway {

// What an HTTP request asks of the gateway. A request whose path belongs to a service but that
// lacks what the service needs still names the service, so the refusal can take its form.
struct ServiceRequestRead {
    std::optional<Service> service;
    std::optional<ServiceRequest> request;
    int status = 0;
    QByteArray error;
};

// Reads the paths, query keys, form bodies and cookies exactly as the engines send them.
ServiceRequestRead readServiceRequest(const HttpRequest& request);

} // namespace verbalink::gateway

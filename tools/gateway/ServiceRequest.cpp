#include "gateway/ServiceRequest.h"

namespace verbalink::gateway {

const char* serviceName(Service service)
{
    // In the order of the enumeration.
    static constexpr const char* Names[] = {"google",  "google-detecting", "yahoo",   "bing",
                                            "babylon", "systran-cookie",   "systran", "promt"};
    return Names[int(service)];
}

} // namespace verbalink::gateway

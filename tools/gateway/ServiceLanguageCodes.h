#pragma once

#include "gateway/ServiceRequest.h"

#include <QByteArray>
#include <QByteArrayView>

namespace verbalink::gateway {

// A language as a request names it, in Apertium's three letters.
struct RequestedLanguage {
    // The service is asked to find out the source language itself.
    bool detect = false;
    // Empty when the code names no language known here.
    QByteArray code;
};

// Each service's language codes: Google's and Bing's two letters with their regions, Yahoo's
// and SysTran's pair halves, Babylon's numbers and Promt's single letters.
namespace ServiceLanguageCodes {

RequestedLanguage source(Service service, QByteArrayView code);
RequestedLanguage target(Service service, QByteArrayView code);

} // namespace ServiceLanguageCodes

} // namespace verbalink::gateway

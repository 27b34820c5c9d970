#pragma once

#include "gateway/HttpRequest.h"
#include "gateway/HttpResponse.h"
#include "gateway/ServiceRequest.h"

#include <QString>
#include <atomic>

namespace verbalink::gateway {

class TextTranslator;

// Answers one parsed request as the service it was meant for would: finds the languages (the
// source detected where the request asks for it), translates, and puts the result, or the
// service's own refusal, into the service's answer format.
class RequestHandler {
public:
    struct Handled {
        HttpResponse response;
        // What happened, for the log: service, languages, outcome (never the text itself).
        QString summary;
    };

    explicit RequestHandler(TextTranslator& translator);

    Handled handle(const HttpRequest& request);

private:
    Handled translate(const ServiceRequest& request);

    TextTranslator& m_translator;
    std::atomic<quint64> m_nextSession{1};
};

} // namespace verbalink::gateway

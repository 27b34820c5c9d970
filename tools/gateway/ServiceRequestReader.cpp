#include "gateway/ServiceRequestReader.h"

#include "gateway/FormFields.h"

namespace verbalink::gateway {

namespace {

using FormFields::formValue;

struct Route {
    const char* path;
    const char* method;
    Service service;
};

constexpr Route Routes[] = {
    {"/translate_a/t", "GET", Service::Google},
    {"/uds/Gtranslate", "GET", Service::GoogleDetecting},
    {"/translate_txt", "GET", Service::Yahoo},
    {"/DefaultPrev.aspx", "POST", Service::Bing},
    {"/translate/babylon.php", "GET", Service::Babylon},
    {"/", "GET", Service::SysTranCookie},
    {"/sai", "POST", Service::SysTran},
    {"/services/MobileService.asmx/TranslateText4Touch", "GET", Service::Promt},
};

ServiceRequestRead refuse(std::optional<Service> service, int status, QByteArray error)
{
    return {service, std::nullopt, status, std::move(error)};
}

ServiceRequestRead missing(Service service, const char* what)
{
    return refuse(service, 400, QByteArray("missing ") + what);
}

// "source<separator>target", both sides possibly empty.
bool splitPair(const QByteArray& pair, char separator, ServiceRequest& into)
{
    const qsizetype at = pair.indexOf(separator);
    if (at < 0)
        return false;
    into.source = pair.first(at);
    into.target = pair.sliced(at + 1);
    return true;
}

// A text and a pair "source<separator>target" from the query.
ServiceRequestRead readTextAndPair(const HttpRequest& http, Service service, const char* textKey,
                                   const char* pairKey, char separator)
{
    ServiceRequest request;
    request.service = service;
    const std::optional<QByteArray> text = formValue(http.query, textKey);
    const std::optional<QByteArray> pair = formValue(http.query, pairKey);
    if (!text || !pair || !splitPair(*pair, separator, request))
        return refuse(service, 400, QByteArray("missing ") + textKey + " or " + pairKey);
    request.text = QString::fromUtf8(*text);
    return {service, request, 200, {}};
}

ServiceRequestRead read(const HttpRequest& http, Service service)
{
    ServiceRequest request;
    request.service = service;
    switch (service) {
    case Service::Google: {
        const std::optional<QByteArray> message = formValue(http.query, "text");
        const std::optional<QByteArray> target = formValue(http.query, "tl");
        if (!message || !target)
            return missing(service, "text or tl");
        request.text = QString::fromUtf8(*message);
        request.source = formValue(http.query, "sl").value_or(QByteArray());
        request.target = *target;
        break;
    }
    case Service::GoogleDetecting:
    case Service::Babylon:
        return readTextAndPair(http, service, "q", "langpair", '|');
    case Service::Yahoo:
        return readTextAndPair(http, service, "trtext", "lp", '_');
    case Service::Bing: {
        const std::optional<QByteArray> message = formValue(http.body, "SourceText");
        const QByteArray cookies = http.field("Cookie").value_or(QByteArray());
        const std::optional<QByteArray> target = FormFields::cookieValue(cookies, "to");
        if (!message || !target)
            return missing(service, "SourceText or the to cookie");
        request.text = QString::fromUtf8(*message);
        request.source = QByteArray::fromPercentEncoding(
            FormFields::cookieValue(cookies, "from").value_or(QByteArray()));
        request.target = QByteArray::fromPercentEncoding(*target);
        break;
    }
    case Service::SysTranCookie:
        break;
    case Service::SysTran: {
        // The body is the text itself, neither encoded nor named.
        const std::optional<QByteArray> pair = formValue(http.query, "lp");
        if (!pair || !splitPair(*pair, '_', request))
            return missing(service, "lp");
        request.text = QString::fromUtf8(http.body);
        break;
    }
    case Service::Promt: {
        const std::optional<QByteArray> message = formValue(http.query, "text");
        const std::optional<QByteArray> direction = formValue(http.query, "direction");
        // One letter for each side.
        if (!message || !direction || direction->size() != 2)
            return missing(service, "text or a two-letter direction");
        request.text = QString::fromUtf8(*message);
        request.source = direction->first(1);
        request.target = direction->sliced(1);
        break;
    }
    }
    return {service, request, 200, {}};
}

} // namespace

ServiceRequestRead readServiceRequest(const HttpRequest& request)
{
    for (const Route& route : Routes) {
        if (request.path != route.path)
            continue;
        if (request.method != route.method)
            return refuse(route.service, 405, QByteArray("method not allowed: ") + request.method);
        return read(request, route.service);
    }
    return refuse(std::nullopt, 404, "no service at " + request.path);
}

} // namespace verbalink::gateway

#pragma once

#include "gateway/HttpResponse.h"
#include "gateway/ServiceRequest.h"

#include <QByteArrayView>
#include <QString>

namespace verbalink::gateway {

// The answers of the services in their own formats: Google's JSON sentences, the Yahoo and Bing
// pages, Babylon's script call, SysTran's cookie and body, Promt's XML.
namespace AnswerFormats {

// A translation; `sourceLanguage` (two letters) is what the detecting variant reports.
HttpResponse translation(Service service, const QString& text, QByteArrayView sourceLanguage);
// What the service answered when it could not translate (an unknown language pair, a failure):
// the engine finds no translation in it and the message stays as typed.
HttpResponse refusal(Service service, int status, QByteArrayView reason);
// The detecting variant when no language could be told.
HttpResponse undetectable();
// The page that hands out SysTran's session cookie.
HttpResponse sysTranCookies(QByteArrayView session);
// Plain text, for requests that belong to no service.
HttpResponse plainError(int status, QByteArrayView reason);

} // namespace AnswerFormats

} // namespace verbalink::gateway

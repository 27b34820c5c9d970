#include "gateway/RequestHandler.h"

#include "gateway/AnswerFormats.h"
#include "gateway/LanguageCodes.h"
#include "gateway/LanguageDetector.h"
#include "gateway/ServiceLanguageCodes.h"
#include "gateway/ServiceRequestReader.h"
#include "gateway/TextTranslator.h"

namespace verbalink::gateway {

namespace {

QString summary(const ServiceRequest& request, QByteArrayView from, QByteArrayView to,
                const QString& outcome)
{
    return QStringLiteral("%1 %2->%3 %4 (%5 characters)")
        .arg(QString::fromLatin1(serviceName(request.service)),
             QString::fromLatin1(from.isEmpty() ? QByteArrayView("?") : from),
             QString::fromLatin1(to.isEmpty() ? QByteArrayView("?") : to), outcome,
             QString::number(request.text.size()));
}

} // namespace

RequestHandler::RequestHandler(TextTranslator& translator) : m_translator(translator) {}

RequestHandler::Handled RequestHandler::handle(const HttpRequest& request)
{
    const ServiceRequestRead read = readServiceRequest(request);
    if (read.request)
        return translate(*read.request);
    const QString why = QString::fromUtf8(read.error);
    if (!read.service)
        return {AnswerFormats::plainError(read.status, read.error), why};
    return {AnswerFormats::refusal(*read.service, read.status, read.error),
            QString::fromLatin1(serviceName(*read.service)) + u' ' + why};
}

RequestHandler::Handled RequestHandler::translate(const ServiceRequest& request)
{
    const Service service = request.service;
    if (service == Service::SysTranCookie) {
        const QByteArray session = "s" + QByteArray::number(m_nextSession++);
        return {AnswerFormats::sysTranCookies(session), QStringLiteral("systran session cookie")};
    }
    const RequestedLanguage source = ServiceLanguageCodes::source(service, request.source);
    const QByteArray target = ServiceLanguageCodes::target(service, request.target).code;
    auto refuse = [&](int status, const QByteArray& reason, QByteArrayView from) -> Handled {
        return {AnswerFormats::refusal(service, status, reason),
                summary(request, from, target, QString::fromUtf8(reason))};
    };
    if (target.isEmpty())
        return refuse(400, "unknown target language " + request.target, {});
    QByteArray from = source.code;
    if (source.detect) {
        from = LanguageDetector::detect(request.text, m_translator.languages());
        if (from.isEmpty() && service == Service::GoogleDetecting)
            return {AnswerFormats::undetectable(),
                    summary(request, {}, target, QStringLiteral("undetectable"))};
        if (from.isEmpty())
            return refuse(400, "could not tell the language of the text", {});
    } else if (from.isEmpty()) {
        return refuse(400, "unknown source language " + request.source, {});
    }

    const QByteArray reported = LanguageCodes::toTwoLetters(from);
    if (from == target || request.text.isEmpty())
        return {AnswerFormats::translation(service, request.text, reported),
                summary(request, from, target, QStringLiteral("unchanged"))};
    const TextTranslator::Outcome outcome = m_translator.translate(request.text, from, target);
    switch (outcome.result) {
    case TextTranslator::Result::Translated:
        return {AnswerFormats::translation(service, outcome.text, reported),
                summary(request, from, target, QStringLiteral("translated"))};
    case TextTranslator::Result::Unsupported:
        return refuse(400, "no translation from " + from + " to " + target, from);
    case TextTranslator::Result::Failed:
        break;
    }
    return refuse(503, "the translation failed", from);
}

} // namespace verbalink::gateway

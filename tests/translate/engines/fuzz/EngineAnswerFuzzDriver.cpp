#include "EngineAnswerFuzzDriver.h"

#include "translate/engines/BabylonEngine.h"
#include "translate/engines/BingEngine.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/engines/PromtEngine.h"
#include "translate/engines/SysTranEngine.h"
#include "translate/engines/YahooEngine.h"

#include <optional>

namespace verbalink::fuzz {

namespace {

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

QString checkGoogle(const QString& text)
{
    const GoogleEngine::Answer answer = GoogleEngine::extract(text);
    if (answer.translation.size() + answer.transliteration.size() > text.size())
        return fail("Google took a part of the answer twice");
    for (QString field : {answer.translation, answer.transliteration}) {
        const qsizetype raw = field.size();
        GoogleEngine::unescape(field);
        if (field.size() > raw)
            return fail("Google unescaping grew the text");
    }
    const GoogleEngine::DetectedTranslation detected = GoogleEngine::extractDetecting(text);
    if (detected.language.size() > 2 || detected.text.size() > text.size())
        return fail("Google detection out of bounds");
    if (detected.text.isEmpty() && !detected.language.isEmpty())
        return fail("a detected language without a translation");
    return {};
}

QString checkFields(const QString& text)
{
    const QString typed = QStringLiteral("typed text");
    const std::optional<QString> fields[] = {YahooEngine::extract(text), BingEngine::extract(text),
                                             BabylonEngine::extract(text),
                                             SysTranEngine::extract(text)};
    for (const std::optional<QString>& field : fields) {
        if (field && field->size() > text.size())
            return fail("a field longer than its answer");
    }
    const std::optional<QString> promt = PromtEngine::extract(text, typed);
    if (promt && *promt != typed && promt->size() > text.size())
        return fail("Promt field longer than its answer");
    return {};
}

QString checkCookieLine(QByteArrayView answer)
{
    const QByteArray line = SysTranEngine::cookieLine(answer);
    if (!line.startsWith("Cookie:") || line.contains('\r') || line.contains('\n'))
        return fail("the cookie line is not one header line");
    // Each Set-Cookie header gives at most its own value and one ";".
    if (line.size() > 7 + answer.size() + answer.count("Set-Cookie:"))
        return fail("the cookie line is longer than the cookies");
    return {};
}

} // namespace

QString driveEngineAnswers(QByteArrayView input)
{
    const QString text = EngineExchange::responseText(input);
    if (text.size() > input.size())
        return fail("the answer text is longer than the answer");
    for (const QString& result : {checkGoogle(text), checkFields(text), checkCookieLine(input)}) {
        if (!result.isEmpty())
            return result;
    }
    return {};
}

} // namespace verbalink::fuzz

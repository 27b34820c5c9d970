#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace verbalink::test {

// Complete HTTP answers in each translation service's wire format, escaped the way the
// service escapes its text.
namespace ServiceAnswers {

struct Sentence {
    QString translation;
    QString transliteration;
};

// A status line, the headers and the body.
QByteArray httpAnswer(const QByteArray& contentType, const QByteArray& body,
                      const QList<QByteArray>& extraHeaders = {});

QByteArray googleSentences(const QList<Sentence>& sentences);
QByteArray googleDetected(const QString& translation, const QByteArray& language);
QByteArray googleUndetectable();
QByteArray yahooResult(const QString& translation);
QByteArray bingResult(const QString& translation);
QByteArray babylonCallback(const QString& translation);
// A page that does not carry the translation object.
QByteArray babylonBare(const QByteArray& body);
QByteArray sysTranCookiePage(const QList<QByteArray>& setCookieValues);
QByteArray sysTranResult(const QString& translation);
QByteArray promtResult(const QString& translation);
QByteArray promtErrorPage();
// The robot service's XML answer for a conversation.
QByteArray robotResult(const QByteArray& conversationId, const QString& input,
                       const QString& answer);

} // namespace ServiceAnswers

} // namespace verbalink::test

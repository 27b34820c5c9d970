#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace verbalink {

// The Google service in its three uses: outgoing messages (with transliteration), incoming
// messages (source detected by the service) and the chat robot's language-detecting variant.
class GoogleEngine {
public:
    struct Answer {
        QString translation;
        QString transliteration;
    };
    struct DetectedTranslation {
        QString text;
        // Two letters, or empty.
        QString language;
    };

    // Outgoing: the context names the translate host.
    static EngineResult translate(const EngineContext& context, const EngineCall& call);
    // Incoming: the translation into `target`, or empty. The context names the translate host.
    static QString translateIncoming(const EngineContext& context, const QString& text,
                                     QByteArrayView target);
    // Chat robot: the translation and the detected source language, both empty when nothing
    // usable came back. The context names the search host.
    static DetectedTranslation translateDetecting(const EngineContext& context, const QString& text,
                                                  QByteArrayView target);

    // A source of one character or none asks the service to detect it.
    static QByteArray request(QByteArrayView host, QByteArrayView encodedText,
                              QByteArrayView source, QByteArrayView target,
                              QByteArrayView proxyLine);
    static QByteArray detectingRequest(QByteArrayView host, QByteArrayView encodedText,
                                       QByteArrayView target, QByteArrayView proxyLine);

    // Every sentence's translation and transliteration, joined.
    static Answer extract(QStringView response);
    static DetectedTranslation extractDetecting(QStringView response);
    // The outgoing answer's unescaping, for translation and transliteration alike.
    static void unescape(QString& text);
};

} // namespace verbalink

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace verbalink::gateway {

// Translates text between languages named in three letters ("eng", "spa").
class TextTranslator {
public:
    enum class Result {
        Translated,
        Unsupported, // no way between these two languages
        Failed,      // there is a way, but it broke down or took too long
    };
    struct Outcome {
        Result result = Result::Failed;
        QString text;
    };

    virtual ~TextTranslator() = default;
    virtual Outcome translate(const QString& text, QByteArrayView from, QByteArrayView to) = 0;
    // Every language some direction starts or ends in.
    virtual QList<QByteArray> languages() const = 0;
};

} // namespace verbalink::gateway

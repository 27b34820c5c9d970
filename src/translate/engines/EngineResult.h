#pragma once

#include <QString>

namespace verbalink {

// The outcome of one outgoing engine call.
struct EngineResult {
    enum class Outcome {
        Translated,
        Failed,
    };

    Outcome outcome = Outcome::Failed;
    QString text;
    // Google only: the transliteration of the message text, may be empty.
    QString transliteration;

    static EngineResult translated(QString text, QString transliteration = {})
    {
        return {Outcome::Translated, std::move(text), std::move(transliteration)};
    }
    static EngineResult failed() { return {}; }
};

} // namespace verbalink

#pragma once

#include <QString>

namespace verbalink {

// The outcome of one outgoing engine call.
struct EngineResult {
    enum class Outcome {
        Translated,
        Skipped, // source and target are the same language; no request was made
        Failed,
    };

    Outcome outcome = Outcome::Failed;
    QString text;
    // Google only: the transliteration of the message text, may be empty.
    QString transliteration;
    // Country code for the flag emoticon, may be empty.
    QString flag;

    static EngineResult translated(QString text, QString flag, QString transliteration = {})
    {
        return {Outcome::Translated, std::move(text), std::move(transliteration), std::move(flag)};
    }
    static EngineResult skipped() { return {Outcome::Skipped, {}, {}, {}}; }
    static EngineResult failed() { return {}; }
};

} // namespace verbalink

#pragma once

#include <QString>
#include <QStringList>

namespace verbalink {

// Text-to-speech as the program uses it: voices by description, one current voice and rate,
// and utterances queued without blocking the caller.
class SpeechPort {
public:
    virtual ~SpeechPort() = default;

    // False when the engine could not be started; then every utterance is refused.
    virtual bool available() const = 0;
    // The voices' descriptions in the engine's order.
    virtual QStringList voices() const = 0;
    // The first voice with exactly this description; false, and the voice unchanged, when none.
    virtual bool setVoice(const QString& description) = 0;
    // -10 (slowest) … 10 (fastest); values outside are taken as the nearest end.
    virtual void setRate(int rate) = 0;
    // Queues the text and returns at once; false when it was not accepted.
    virtual bool speak(const QString& text) = 0;
};

} // namespace verbalink

#pragma once

#include "langtools/SpeechQueue.h"
#include "platform/SpeechPort.h"

#include <QByteArrayList>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace verbalink {

// Text-to-speech with the espeak-ng library. One worker thread speaks the queued messages one
// after another, to the desktop's audio output or into memory. The library keeps process-wide
// state, so one instance drives it at a time: a second one alive at once is unavailable.
class EspeakSpeech final : public SpeechPort {
public:
    enum class Output { DefaultDevice, Memory };

    struct Utterance {
        QString text;
        std::vector<qint16> samples;
        int sampleRate = 0;
    };

    struct Sinks {
        // Errors met on the worker ("Speak failed!"); called there.
        std::function<void(const QString& line)> log;
        // Memory output: each utterance once it is complete, on the worker.
        std::function<void(const Utterance& utterance)> utterance;
    };

    // Messages waiting beyond this are refused.
    static constexpr std::size_t QueueCapacity = 32;
    // Stopping waits for the piece being spoken, so pieces are kept short.
    static constexpr qsizetype PieceLength = 200;

    // dataFolder holds espeak-ng-data; empty for the installed data. The library is initialised
    // once per process, with the folder of the first instance.
    EspeakSpeech(Output output, Sinks sinks, const QString& dataFolder = {});
    // Drops what waits, stops the message being spoken and joins the worker.
    ~EspeakSpeech() override;
    EspeakSpeech(const EspeakSpeech&) = delete;
    EspeakSpeech& operator=(const EspeakSpeech&) = delete;

    bool available() const override { return m_available; }
    QStringList voices() const override { return m_voiceNames; }
    bool setVoice(const QString& description) override;
    void setRate(int rate) override;
    bool speak(const QString& text) override;

    // Returns once every accepted message has been spoken.
    void waitUntilIdle();

    // The speed in words per minute for a rate of -10 … 10, linear on each side of normal.
    static int wordsPerMinute(int rate);

private:
    bool start(const QString& dataFolder);
    void run();
    void say(const SpeechRequest& request);
    bool apply(const SpeechRequest& request);
    void log(const QString& line) const;

    Output m_output;
    Sinks m_sinks;
    bool m_available = false;
    QStringList m_voiceNames;
    QByteArrayList m_voiceIds;
    std::atomic<int> m_voice{-1};
    std::atomic<int> m_wordsPerMinute;
    // What the library has been set to; touched by the worker only.
    int m_appliedVoice = -1;
    int m_appliedWordsPerMinute = 0;
    std::atomic<bool> m_stopping{false};
    SpeechQueue m_queue{QueueCapacity};
    std::thread m_worker;
};

} // namespace verbalink

#include "langtools/EspeakSpeech.h"

#include "langtools/SpeechPieces.h"

#include <QFile>
#include <cmath>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <mutex>

namespace verbalink {

namespace {

// espeak-ng is one state per process. It is initialised once and never terminated (terminating
// after synchronous use hangs in espeak-ng 1.51), and one instance at a time may drive it.
struct Library {
    std::mutex mutex;
    bool initialised = false;
    bool usable = false;
    bool inUse = false;
};

Library& library()
{
    static Library instance;
    return instance;
}

bool initialise(const QString& dataFolder)
{
    const QByteArray path = QFile::encodeName(dataFolder);
    espeak_ng_InitializePath(path.isEmpty() ? nullptr : path.constData());
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    return status == ENS_OK;
}

// Where the memory output collects one message's samples; reached through the user data that
// espeak-ng hands back with every buffer.
struct Collector {
    std::vector<qint16> samples;
    const std::atomic<bool>* stopping = nullptr;
};

int collectSamples(short* samples, int count, espeak_EVENT* events)
{
    auto* collector = static_cast<Collector*>(events ? events->user_data : nullptr);
    if (!collector)
        return 0;
    if (samples && count > 0)
        collector->samples.insert(collector->samples.end(), samples, samples + count);
    return collector->stopping->load() ? 1 : 0;
}

} // namespace

EspeakSpeech::EspeakSpeech(Output output, Sinks sinks, const QString& dataFolder)
    : m_output(output), m_sinks(std::move(sinks)), m_wordsPerMinute(espeakRATE_NORMAL)
{
    m_available = start(dataFolder);
    if (m_available)
        m_worker = std::thread([this] { run(); });
}

EspeakSpeech::~EspeakSpeech()
{
    if (!m_worker.joinable())
        return;
    m_stopping = true;
    m_queue.close();
    m_worker.join();
    Library& lib = library();
    std::lock_guard lock(lib.mutex);
    lib.inUse = false;
}

bool EspeakSpeech::start(const QString& dataFolder)
{
    Library& lib = library();
    std::lock_guard lock(lib.mutex);
    if (lib.inUse)
        return false;
    if (!lib.initialised) {
        lib.initialised = true;
        lib.usable = initialise(dataFolder);
    }
    if (!lib.usable)
        return false;
    const auto mode =
        m_output == Output::Memory
            ? ENOUTPUT_MODE_SYNCHRONOUS
            : espeak_ng_OUTPUT_MODE(ENOUTPUT_MODE_SYNCHRONOUS | ENOUTPUT_MODE_SPEAK_AUDIO);
    if (espeak_ng_InitializeOutput(mode, 0, nullptr) != ENS_OK)
        return false;
    espeak_SetSynthCallback(m_output == Output::Memory ? collectSamples : nullptr);
    // A previous instance may have left another voice or rate behind.
    espeak_SetVoiceByName("en");
    espeak_SetParameter(espeakRATE, espeakRATE_NORMAL, 0);
    m_appliedWordsPerMinute = espeakRATE_NORMAL;
    const espeak_VOICE** voices = espeak_ListVoices(nullptr);
    for (int i = 0; voices && voices[i]; ++i) {
        m_voiceNames.append(QString::fromUtf8(voices[i]->name));
        m_voiceIds.append(QByteArray(voices[i]->identifier));
    }
    lib.inUse = true;
    return true;
}

bool EspeakSpeech::setVoice(const QString& description)
{
    const qsizetype index = m_voiceNames.indexOf(description);
    if (index < 0)
        return false;
    m_voice = int(index);
    return true;
}

void EspeakSpeech::setRate(int rate)
{
    m_wordsPerMinute = wordsPerMinute(rate);
}

bool EspeakSpeech::speak(const QString& text)
{
    return m_available && m_queue.push({text, m_voice.load(), m_wordsPerMinute.load()});
}

void EspeakSpeech::waitUntilIdle()
{
    m_queue.waitUntilIdle();
}

int EspeakSpeech::wordsPerMinute(int rate)
{
    const int clamped = qBound(-10, rate, 10);
    const double step = clamped < 0 ? (espeakRATE_NORMAL - espeakRATE_MINIMUM) / 10.0
                                    : (espeakRATE_MAXIMUM - espeakRATE_NORMAL) / 10.0;
    return int(std::lround(espeakRATE_NORMAL + clamped * step));
}

void EspeakSpeech::run()
{
    while (std::optional<SpeechRequest> request = m_queue.take()) {
        say(*request);
        m_queue.done();
    }
}

void EspeakSpeech::say(const SpeechRequest& request)
{
    if (!apply(request)) {
        log(QStringLiteral("Speak failed!"));
        return;
    }
    Collector collector{{}, &m_stopping};
    for (const QString& piece : speechPieces(request.text, PieceLength)) {
        if (m_stopping)
            return;
        const QByteArray utf8 = piece.toUtf8();
        // Plain text: no markup and no phoneme codes from a chat partner are interpreted.
        const espeak_ERROR result =
            espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                         espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, &collector);
        if (m_stopping)
            return;
        if (result != EE_OK) {
            log(QStringLiteral("Speak failed!"));
            return;
        }
    }
    if (m_output == Output::Memory && m_sinks.utterance)
        m_sinks.utterance({request.text, std::move(collector.samples), espeak_ng_GetSampleRate()});
}

bool EspeakSpeech::apply(const SpeechRequest& request)
{
    if (request.voice >= 0 && request.voice != m_appliedVoice) {
        if (espeak_SetVoiceByName(m_voiceIds.at(request.voice).constData()) != EE_OK)
            return false;
        m_appliedVoice = request.voice;
        // A voice may bring its own speed: the chosen one is set again.
        m_appliedWordsPerMinute = 0;
    }
    if (request.wordsPerMinute != m_appliedWordsPerMinute) {
        if (espeak_SetParameter(espeakRATE, request.wordsPerMinute, 0) != EE_OK)
            return false;
        m_appliedWordsPerMinute = request.wordsPerMinute;
    }
    return true;
}

void EspeakSpeech::log(const QString& line) const
{
    if (m_sinks.log)
        m_sinks.log(line);
}

} // namespace verbalink

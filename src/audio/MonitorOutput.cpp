#include "audio/MonitorOutput.h"

#include <chrono>
#include <cmath>
#include <portaudio.h>
#include <thread>

namespace verbalink {

namespace {

int playQueued(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
               PaStreamCallbackFlags, void* queue)
{
    static_cast<PlaybackQueue*>(queue)->pull(static_cast<qint16*>(output), qsizetype(frames));
    return paContinue;
}

} // namespace

MonitorOutput::~MonitorOutput()
{
    close();
}

bool MonitorOutput::open(double samplesPerSecond)
{
    close();
    m_error.clear();
    m_rate = int(std::lround(samplesPerSecond));
    if (m_rate <= 0)
        return fail(QStringLiteral("bad sample rate"), paInvalidSampleRate);
    // PortAudio counts its initialisations, so each open monitor holds one of its own.
    if (PaError rc = Pa_Initialize(); rc != paNoError)
        return fail(QStringLiteral("no audio system"), rc);
    m_initialized = true;
    const PaDeviceIndex device = Pa_GetDefaultOutputDevice();
    if (device == paNoDevice)
        return fail(QStringLiteral("no output device"), paDeviceUnavailable);
    PaStreamParameters params{};
    params.device = device;
    params.channelCount = 1;
    params.sampleFormat = paInt16;
    params.suggestedLatency = Pa_GetDeviceInfo(device)->defaultLowOutputLatency;
    PaStream* stream = nullptr;
    if (PaError rc = Pa_OpenStream(&stream, nullptr, &params, m_rate, paFramesPerBufferUnspecified,
                                   paNoFlag, &playQueued, &m_queue);
        rc != paNoError)
        return fail(QStringLiteral("cannot open the output device"), rc);
    m_stream = stream;
    if (PaError rc = Pa_StartStream(stream); rc != paNoError)
        return fail(QStringLiteral("cannot start the output device"), rc);
    return true;
}

void MonitorOutput::close()
{
    if (m_stream) {
        waitForQueueToEmpty();
        Pa_StopStream(m_stream);
        Pa_CloseStream(m_stream);
        m_stream = nullptr;
    }
    m_queue.clear();
    if (m_initialized) {
        Pa_Terminate();
        m_initialized = false;
    }
}

bool MonitorOutput::write(QByteArrayView block)
{
    return m_stream && m_queue.push(block);
}

void MonitorOutput::waitForQueueToEmpty()
{
    // Gives up once the device stops taking samples, so a stalled device cannot hang shutdown.
    qsizetype left = m_queue.queued();
    while (left > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(left / 16 + 1));
        const qsizetype now = m_queue.queued();
        if (now >= left)
            break;
        left = now;
    }
}

bool MonitorOutput::fail(const QString& what, int code)
{
    m_error = what + QStringLiteral(": ") + QString::fromUtf8(Pa_GetErrorText(code));
    if (m_stream) {
        Pa_CloseStream(m_stream);
        m_stream = nullptr;
    }
    if (m_initialized) {
        Pa_Terminate();
        m_initialized = false;
    }
    return false;
}

} // namespace verbalink

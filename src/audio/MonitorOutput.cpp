#include "audio/MonitorOutput.h"

#include <cmath>
#include <portaudio.h>

namespace verbalink {

namespace {

int playQueued(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
               PaStreamCallbackFlags, void* queue)
{
    static_cast<PlaybackQueue*>(queue)->pull(static_cast<qint16*>(output), qsizetype(frames));
    return paContinue;
}

} // namespace

MonitorOutput::MonitorOutput(std::chrono::milliseconds linger)
    : m_linger(linger), m_thread([this] { run(); })
{}

MonitorOutput::~MonitorOutput()
{
    {
        std::lock_guard guard(m_lock);
        m_quitting = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void MonitorOutput::open(double samplesPerSecond)
{
    {
        std::lock_guard guard(m_lock);
        if (m_wanted)
            return;
        m_wanted = true;
        m_rate = samplesPerSecond;
        // A closed device is tried afresh.
        if (m_device.load() == Device::Closed)
            m_error.clear();
    }
    m_changed.notify_all();
}

void MonitorOutput::release()
{
    {
        std::lock_guard guard(m_lock);
        if (!m_wanted)
            return;
        m_wanted = false;
        m_releaseAt = std::chrono::steady_clock::now() + m_linger;
    }
    m_changed.notify_all();
}

void MonitorOutput::close()
{
    std::unique_lock guard(m_lock);
    m_wanted = false;
    m_releaseAt = std::chrono::steady_clock::now();
    m_changed.notify_all();
    m_changed.wait(guard, [this] { return m_device.load() == Device::Closed; });
}

QString MonitorOutput::error() const
{
    std::lock_guard guard(m_lock);
    return m_error;
}

bool MonitorOutput::write(QByteArrayView block)
{
    return isOpen() && m_queue.push(block);
}

void MonitorOutput::run()
{
    std::unique_lock guard(m_lock);
    while (!m_quitting) {
        const Device device = m_device.load();
        if (m_wanted && device == Device::Closed) {
            const int rate = int(std::lround(m_rate));
            m_device = Device::Opening;
            guard.unlock();
            const Device opened = openDevice(rate);
            guard.lock();
            settle(opened);
        } else if (!m_wanted && device != Device::Closed) {
            if (std::chrono::steady_clock::now() < m_releaseAt) {
                m_changed.wait_until(guard, m_releaseAt);
                continue;
            }
            guard.unlock();
            closeDevice();
            guard.lock();
            settle(Device::Closed);
        } else {
            m_changed.wait(guard);
        }
    }
    guard.unlock();
    closeDevice();
    m_device = Device::Closed;
}

void MonitorOutput::settle(Device device)
{
    m_device = device;
    if (device == Device::Open)
        m_error.clear();
    m_changed.notify_all();
}

MonitorOutput::Device MonitorOutput::openDevice(int rate)
{
    if (rate <= 0)
        return fail(QStringLiteral("bad sample rate"), paInvalidSampleRate);
    // PortAudio counts its initialisations, so an open device holds one of its own.
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
    // Whatever an earlier call left unplayed is not this call's audio.
    m_queue.clear();
    PaStream* stream = nullptr;
    if (PaError rc = Pa_OpenStream(&stream, nullptr, &params, rate, paFramesPerBufferUnspecified,
                                   paNoFlag, &playQueued, &m_queue);
        rc != paNoError)
        return fail(QStringLiteral("cannot open the output device"), rc);
    m_stream = stream;
    if (PaError rc = Pa_StartStream(stream); rc != paNoError)
        return fail(QStringLiteral("cannot start the output device"), rc);
    return Device::Open;
}

void MonitorOutput::closeDevice()
{
    if (m_stream) {
        drain();
        Pa_StopStream(m_stream);
        Pa_CloseStream(m_stream);
        m_stream = nullptr;
    }
    if (m_initialized) {
        Pa_Terminate();
        m_initialized = false;
    }
}

void MonitorOutput::drain()
{
    // Gives up once the device stops taking samples, so a stalled device cannot hang the thread.
    qsizetype left = m_queue.queued();
    while (left > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(left / 16 + 1));
        const qsizetype now = m_queue.queued();
        if (now >= left)
            break;
        left = now;
    }
}

MonitorOutput::Device MonitorOutput::fail(const QString& what, int code)
{
    const QString error = what + QStringLiteral(": ") + QString::fromUtf8(Pa_GetErrorText(code));
    if (m_stream) {
        Pa_CloseStream(m_stream);
        m_stream = nullptr;
    }
    if (m_initialized) {
        Pa_Terminate();
        m_initialized = false;
    }
    std::lock_guard guard(m_lock);
    m_error = error;
    return Device::Refused;
}

} // namespace verbalink

#include "SimCallAudio.h"

#include "SimWavFile.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

namespace {

QByteArray pcmOrNothing(const QString& path)
{
    if (path.isEmpty())
        return {};
    QString error;
    const std::optional<QByteArray> pcm = SimWavFile::readPcm(path, error);
    if (!pcm)
        std::fprintf(stderr, "skype-sim: %s\n", qUtf8Printable(error));
    return pcm.value_or(QByteArray());
}

QString streamName(SimCallStream stream)
{
    switch (stream) {
    case SimCallStream::Microphone:
        return u"microphone copy"_s;
    case SimCallStream::Output:
        return u"output"_s;
    case SimCallStream::Input:
        return u"input"_s;
    }
    return {};
}

} // namespace

SimCallAudio::SimCallAudio(const SimCall& call, QObject* parent) : QObject(parent), m_id(call.id)
{
    m_mic.pcm = pcmOrNothing(call.micFile);
    m_output.pcm = pcmOrNothing(call.outputFile);
    m_startDelay.setSingleShot(true);
    m_startDelay.setInterval(StartDelayMs);
    connect(&m_startDelay, &QTimer::timeout, this, &SimCallAudio::startStreams);
    m_clock.setTimerType(Qt::PreciseTimer);
    m_clock.setInterval(ChunkMs);
    connect(&m_clock, &QTimer::timeout, this, &SimCallAudio::sendDue);
}

void SimCallAudio::route(SimCallStream stream, quint16 port, const QString& inputFile)
{
    unroute(stream);
    if (stream == SimCallStream::Input) {
        m_input = open(stream, port);
        connect(m_input.get(), &SimCallConnection::opened, this,
                [this, inputFile] { openInputFile(inputFile); });
        connect(m_input.get(), &SimCallConnection::received, this, [this](const QByteArray& bytes) {
            if (m_inputFile.isOpen() && m_inputFile.write(bytes) == bytes.size())
                m_inputFile.flush();
        });
        return;
    }
    Outgoing& outgoing = stream == SimCallStream::Microphone ? m_mic : m_output;
    outgoing.connection = open(stream, port);
    connect(outgoing.connection.get(), &SimCallConnection::opened, this,
            &SimCallAudio::scheduleStart);
    connect(outgoing.connection.get(), &SimCallConnection::closed, this,
            &SimCallAudio::scheduleStart);
}

void SimCallAudio::unroute(SimCallStream stream)
{
    if (stream == SimCallStream::Input) {
        m_input.reset();
        m_inputFile.close();
        return;
    }
    Outgoing& outgoing = stream == SimCallStream::Microphone ? m_mic : m_output;
    outgoing.connection.reset();
    outgoing.running = false;
}

std::unique_ptr<SimCallConnection> SimCallAudio::open(SimCallStream stream, quint16 port)
{
    return std::make_unique<SimCallConnection>(u"call "_s + m_id + u' ' + streamName(stream), port);
}

void SimCallAudio::openInputFile(const QString& path)
{
    m_inputFile.close();
    if (path.isEmpty())
        return;
    m_inputFile.setFileName(path);
    if (!m_inputFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::fprintf(stderr, "skype-sim: call %s input: %s: %s\n", qUtf8Printable(m_id),
                     qUtf8Printable(path), qUtf8Printable(m_inputFile.errorString()));
}

void SimCallAudio::scheduleStart()
{
    // Both streams begin together once every routed connection has settled.
    for (const Outgoing* stream : {&m_mic, &m_output}) {
        if (stream->connection && stream->connection->isConnecting())
            return;
    }
    for (const Outgoing* stream : {&m_mic, &m_output}) {
        if (stream->connection && stream->connection->isOpen() && !stream->running) {
            m_startDelay.start();
            return;
        }
    }
}

void SimCallAudio::startStreams()
{
    for (Outgoing* stream : {&m_mic, &m_output}) {
        if (stream->connection && stream->connection->isOpen() && !stream->running) {
            stream->running = true;
            stream->sent = 0;
        }
    }
    if (m_clock.isActive())
        return;
    m_elapsed.start();
    m_chunks = 0;
    m_clock.start();
    sendDue();
}

void SimCallAudio::sendDue()
{
    // Counted from the start, so a late timer catches up instead of falling behind real time.
    const qint64 due = m_elapsed.elapsed() / ChunkMs + 1;
    bool more = true;
    for (; m_chunks < due && more; ++m_chunks) {
        const bool mic = sendChunk(m_mic);
        const bool output = sendChunk(m_output);
        more = mic || output;
    }
    if (!more)
        m_clock.stop();
}

bool SimCallAudio::sendChunk(Outgoing& stream)
{
    if (!stream.running || !stream.connection || stream.sent >= stream.pcm.size())
        return false;
    if (!stream.connection->isOpen()) {
        stream.running = false;
        return false;
    }
    stream.connection->send(stream.pcm.mid(stream.sent, ChunkBytes));
    stream.sent += ChunkBytes;
    return stream.sent < stream.pcm.size();
}

} // namespace verbalink::sim

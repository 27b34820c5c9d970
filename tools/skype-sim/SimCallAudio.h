#pragma once

#include "SimCallConnection.h"
#include "SimCalls.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <memory>

namespace verbalink::sim {

// The audio of one call: the connections the program routed, the call's two WAV files streamed
// in real time on the microphone-copy and output connections, and what the input connection
// brings written to a file.
class SimCallAudio : public QObject {
    Q_OBJECT

public:
    // The pause after the connections open, so the other side has accepted both first.
    static constexpr int StartDelayMs = 300;
    static constexpr int ChunkMs = 20;
    static constexpr qsizetype ChunkBytes = 640;

    // Reads both files; one that cannot be streamed is reported and its connection stays silent.
    explicit SimCallAudio(const SimCall& call, QObject* parent = nullptr);

    void route(SimCallStream stream, quint16 port, const QString& inputFile);
    void unroute(SimCallStream stream);

private:
    struct Outgoing {
        QByteArray pcm;
        std::unique_ptr<SimCallConnection> connection;
        qsizetype sent = 0;
        bool running = false;
    };

    std::unique_ptr<SimCallConnection> open(SimCallStream stream, quint16 port);
    void openInputFile(const QString& path);
    void scheduleStart();
    void startStreams();
    void sendDue();
    bool sendChunk(Outgoing& stream);

    QString m_id;
    Outgoing m_mic;
    Outgoing m_output;
    std::unique_ptr<SimCallConnection> m_input;
    QFile m_inputFile;
    QTimer m_startDelay;
    QTimer m_clock;
    QElapsedTimer m_elapsed;
    qint64 m_chunks = 0;
};

} // namespace verbalink::sim

#pragma once

#include "ApiResponse.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace verbalink::desktopapi {
struct ApiState;
}

namespace verbalink::sim {

// The three audio connections a program can ask of a call.
enum class SimCallStream { Microphone, Output, Input };

struct SimCall {
    QString id;
    QString partner;
    // The WAV files streamed on the microphone-copy and output connections; empty: no audio.
    QString micFile;
    QString outputFile;
    bool inProgress = true;
    int seconds = 0;
};

// What the audio side has to do about a call.
struct SimCallEvent {
    enum class Kind { Started, Routed, Unrouted, Ended };
    Kind kind = Kind::Started;
    SimCall call;
    SimCallStream stream = SimCallStream::Microphone;
    // Where to connect for Routed.
    quint16 port = 0;
};

// The calls of the simulated client: the table, the commands that route their audio and the
// directives that start and end them. Sockets and timers are the listeners' business.
class SimCalls {
public:
    using Listener = std::function<void(const SimCallEvent&)>;

    // Finished calls kept for GET CALL; older ones are forgotten.
    static constexpr qsizetype FinishedCapacity = 1000;

    explicit SimCalls(const desktopapi::ApiState& state);

    void addListener(Listener listener) { m_listeners.append(std::move(listener)); }

    // ALTER CALL <id> SET_CAPTURE_MIC|SET_OUTPUT|SET_INPUT [PORT="<port>"]
    desktopapi::ApiResponse alterCall(const QString& arguments);
    // GET CALL <id> PARTNER_HANDLE|PARTNER_DISPNAME|STATUS
    desktopapi::ApiResponse getCall(const QString& arguments) const;

    // The scripted events; each returns the lines pushed to the attached client, or sets the
    // error and changes nothing.
    QStringList start(const SimCall& call, QString& error);
    QStringList end(const QString& id, QString& error);
    // The next DURATION line of a call in progress; empty when it is not.
    QString tick(const QString& id);

    // Where bytes received on input connections go; empty: nowhere.
    void setInputFile(const QString& path) { m_inputFile = path; }
    QString inputFile() const { return m_inputFile; }

    const SimCall* find(const QString& id) const;
    // The id of the call in progress with `handle`; empty when there is none.
    QString inProgressWith(const QString& handle) const;
    QStringList partnersInProgress() const;

private:
    SimCall* findInProgress(const QString& id);
    void forgetOldFinished();
    void tell(const SimCallEvent& event) const;

    const desktopapi::ApiState& m_state;
    QList<SimCall> m_calls;
    QString m_inputFile;
    QList<Listener> m_listeners;
};

} // namespace verbalink::sim

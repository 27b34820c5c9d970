#pragma once

#include "gateway/PipelineRun.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace verbalink::gateway {

class GatewayLog;

// One translation direction kept warm: the mode's pipeline with every stage in null-flush mode,
// started on first use and again after it broke down. Requests are fed in the order they come
// and answered in that order; a short sentence then takes milliseconds, not a process start.
class ApertiumPipeline {
public:
    ApertiumPipeline(QString modeFile, GatewayLog& log, int deadlineMs);

    // The translation, or nothing when the pipeline could not be started, broke down or did not
    // answer within the deadline (it is then ended, and started afresh for the next request).
    std::optional<QString> translate(const QString& text);

    // The running pipeline's shell, for tests that need to break it.
    pid_t runningPid();

private:
    struct Attempt {
        std::optional<QString> translation;
        // The run ended before answering: worth another try on a fresh one.
        bool ended = false;
    };

    Attempt translateOn(PipelineRun& run, const QString& text, PipelineRun::Deadline deadline);
    std::shared_ptr<PipelineRun> running();
    QByteArray command();
    void log(const QString& what);

    QString m_modeFile;
    GatewayLog& m_log;
    int m_deadlineMs;
    std::atomic<quint64> m_nextTag{1};
    std::mutex m_mutex;
    QByteArray m_command;
    std::shared_ptr<PipelineRun> m_run;
};

} // namespace verbalink::gateway

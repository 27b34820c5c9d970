#include "gateway/ApertiumPipeline.h"

#include "gateway/ApertiumStream.h"
#include "gateway/ChildProcess.h"
#include "gateway/GatewayLog.h"

#include <QFileInfo>

namespace verbalink::gateway {

namespace {

constexpr int ModeCommandTimeoutMs = 5000;
// $1 is the generator's option: no marks on unknown words (apertium's -u); $2 the tagger's.
const QList<QByteArray> ModeArguments{"-n", ""};

} // namespace

ApertiumPipeline::ApertiumPipeline(QString modeFile, GatewayLog& log, int deadlineMs)
    : m_modeFile(std::move(modeFile)), m_log(log), m_deadlineMs(deadlineMs)
{}

std::optional<QString> ApertiumPipeline::translate(const QString& text)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_deadlineMs);
    // A run that broke down under earlier requests takes the ones inside it along: one more
    // try on a fresh run.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::shared_ptr<PipelineRun> run = running();
        if (!run)
            return std::nullopt;
        const Attempt result = translateOn(*run, text, deadline);
        if (result.ended)
            continue;
        return result.translation;
    }
    return std::nullopt;
}

ApertiumPipeline::Attempt ApertiumPipeline::translateOn(PipelineRun& run, const QString& text,
                                                        PipelineRun::Deadline deadline)
{
    const QByteArray tag = "gw" + QByteArray::number(m_nextTag++);
    std::future<PipelineRun::Answer> answer =
        run.submit(ApertiumStream::encode(text, tag), deadline);
    if (answer.wait_until(deadline) != std::future_status::ready) {
        log(QStringLiteral("no answer in time, restarting it"));
        run.abandon();
        return {};
    }
    const PipelineRun::Answer bytes = answer.get();
    if (!bytes) {
        log(QStringLiteral("the pipeline ended"));
        return {std::nullopt, true};
    }
    std::optional<QString> translation = ApertiumStream::decode(*bytes, tag);
    if (!translation) {
        log(QStringLiteral("answer out of step, restarting it"));
        run.abandon();
    }
    return {translation, false};
}

pid_t ApertiumPipeline::runningPid()
{
    std::lock_guard lock(m_mutex);
    return m_run && m_run->alive() ? m_run->pid() : -1;
}

std::shared_ptr<PipelineRun> ApertiumPipeline::running()
{
    std::lock_guard lock(m_mutex);
    if (m_run && m_run->alive())
        return m_run;
    m_run.reset();
    const QByteArray pipeline = command();
    if (pipeline.isEmpty())
        return nullptr;
    QString error;
    m_run = PipelineRun::start(pipeline, ModeArguments, &error);
    if (m_run)
        log(QStringLiteral("started (pid %1)").arg(m_run->pid()));
    else
        log(QStringLiteral("cannot start: ") + error);
    return m_run;
}

QByteArray ApertiumPipeline::command()
{
    if (m_command.isEmpty() && !QFileInfo(m_modeFile).isReadable()) {
        log(QStringLiteral("cannot read ") + m_modeFile);
        return {};
    }
    // Apertium's own tool rewrites the mode with null-flush on every stage.
    if (m_command.isEmpty()) {
        const std::optional<QByteArray> output = ChildProcess::run(
            {"apertium-wblank-mode", "-z", QFile::encodeName(m_modeFile)}, ModeCommandTimeoutMs);
        if (output)
            m_command = output->trimmed();
        else
            log(QStringLiteral("apertium-wblank-mode failed on ") + m_modeFile);
    }
    return m_command;
}

void ApertiumPipeline::log(const QString& what)
{
    m_log.write(
        QStringLiteral("apertium %1: %2").arg(QFileInfo(m_modeFile).completeBaseName(), what));
}

} // namespace verbalink::gateway

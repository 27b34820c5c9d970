#include "gateway/ApertiumTranslator.h"

namespace verbalink::gateway {

ApertiumTranslator::ApertiumTranslator(ApertiumModes modes, GatewayLog& log, int deadlineMs)
    : m_modes(std::move(modes)), m_routes(m_modes), m_log(log), m_deadlineMs(deadlineMs)
{}

TextTranslator::Outcome ApertiumTranslator::translate(const QString& text, QByteArrayView from,
                                                      QByteArrayView to)
{
    const QList<QByteArray> languages = route(from, to);
    if (languages.isEmpty())
        return {Result::Unsupported, {}};
    QString current = text;
    for (qsizetype i = 1; i < languages.size(); ++i) {
        const std::optional<QString> step =
            pipeline(languages[i - 1], languages[i])->translate(current);
        if (!step)
            return {Result::Failed, {}};
        current = *step;
    }
    return {Result::Translated, current};
}

QList<QByteArray> ApertiumTranslator::route(QByteArrayView from, QByteArrayView to) const
{
    return m_routes.route(from, to);
}

ApertiumPipeline* ApertiumTranslator::pipeline(QByteArrayView from, QByteArrayView to)
{
    const QString modeFile = m_modes.modeFile(from, to);
    if (modeFile.isEmpty())
        return nullptr;
    std::lock_guard lock(m_mutex);
    std::unique_ptr<ApertiumPipeline>& slot = m_pipelines[{from.toByteArray(), to.toByteArray()}];
    if (!slot)
        slot = std::make_unique<ApertiumPipeline>(modeFile, m_log, m_deadlineMs);
    return slot.get();
}

} // namespace verbalink::gateway

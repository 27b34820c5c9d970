#include "gateway/ApertiumTranslator.h"

#include "gateway/GatewayLog.h"

#include <QElapsedTimer>
#include <QSet>
#include <thread>

namespace verbalink::gateway {

namespace {

QString pairName(const ApertiumModes::Direction& pair)
{
    return QString::fromLatin1(pair.first + '-' + pair.second);
}

} // namespace

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

bool ApertiumTranslator::warm(const QList<ApertiumModes::Direction>& pairs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    bool allWarm = true;
    QList<ApertiumModes::Direction> steps;
    for (const ApertiumModes::Direction& pair : pairs) {
        const QList<QByteArray> languages = route(pair.first, pair.second);
        if (languages.isEmpty()) {
            m_log.write(QStringLiteral("cannot warm %1: no route").arg(pairName(pair)));
            allWarm = false;
        }
        for (qsizetype i = 1; i < languages.size(); ++i) {
            if (!steps.contains(ApertiumModes::Direction{languages[i - 1], languages[i]}))
                steps.append({languages[i - 1], languages[i]});
        }
    }
    // Each stage loads its dictionaries when it starts; a first text shows they are all in.
    std::vector<char> warmed(size_t(steps.size()), 0);
    std::vector<std::thread> starts;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        starts.emplace_back([this, &steps, &warmed, i] {
            warmed[size_t(i)] = pipeline(steps[i].first, steps[i].second)
                                    ->translate(QStringLiteral("Hello."))
                                    .has_value();
        });
    }
    QStringList names;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        starts[size_t(i)].join();
        names.append(pairName(steps[i]));
        if (!warmed[size_t(i)]) {
            names.last() += QStringLiteral(" (failed)");
            allWarm = false;
        }
    }
    if (!names.isEmpty())
        m_log.write(QStringLiteral("warm in %1 ms: %2")
                        .arg(QString::number(elapsed.elapsed()), names.join(u' ')));
    return allWarm;
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

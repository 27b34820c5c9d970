#pragma once

#include "langtools/EspeakSpeech.h"

#include <QList>
#include <QStringList>
#include <mutex>

namespace verbalink::test {

// Collects what an EspeakSpeech rendering into memory reports from its worker.
class UtteranceRecorder {
public:
    EspeakSpeech::Sinks sinks()
    {
        return {[this](const QString& line) {
                    std::lock_guard lock(m_mutex);
                    m_log.append(line);
                },
                [this](const EspeakSpeech::Utterance& utterance) {
                    std::lock_guard lock(m_mutex);
                    m_utterances.append(utterance);
                }};
    }
    QList<EspeakSpeech::Utterance> utterances() const
    {
        std::lock_guard lock(m_mutex);
        return m_utterances;
    }
    QStringList texts() const
    {
        QStringList texts;
        for (const EspeakSpeech::Utterance& utterance : utterances())
            texts.append(utterance.text);
        return texts;
    }
    QStringList log() const
    {
        std::lock_guard lock(m_mutex);
        return m_log;
    }

private:
    mutable std::mutex m_mutex;
    QList<EspeakSpeech::Utterance> m_utterances;
    QStringList m_log;
};

} // namespace verbalink::test

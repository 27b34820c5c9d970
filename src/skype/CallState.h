#pragma once

#include "skype/SkypeTransport.h"

#include <QString>
#include <mutex>

namespace verbalink {

// The call in progress as the CALL notifications describe it; read by the audio threads.
class CallState {
public:
    struct Snapshot {
        QString callId;
        SkypeEndpoint window;
        // What a call has until the client tells more, also one that was going on before the
        // program started.
        QString partnerName = QStringLiteral("UNKNOWN");
        QString duration = QStringLiteral("0");
        bool inCall = false;
    };

    Snapshot snapshot() const;

    // A call went in progress: a fresh call with an unknown partner and zero duration.
    void begin(const QString& callId, const SkypeEndpoint& window);
    void updateDuration(const QString& callId, const QString& duration,
                        const SkypeEndpoint& window);
    void setPartnerName(const QString& name);
    void finish();

private:
    mutable std::mutex m_mutex;
    Snapshot m_call;
};

} // namespace verbalink

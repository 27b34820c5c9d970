#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

namespace verbalink::desktopapi {
class ApiBusService;
}

namespace verbalink::sim {

class SimCallAudio;
class SimCalls;
struct SimCallEvent;

// Follows the call table: gives every call in progress its audio and pushes its DURATION to
// the attached client once a second.
class SimCallRouter : public QObject {
    Q_OBJECT

public:
    SimCallRouter(SimCalls& calls, desktopapi::ApiBusService& service, QObject* parent = nullptr);
    ~SimCallRouter() override;

private:
    struct Active {
        std::unique_ptr<SimCallAudio> audio;
        std::unique_ptr<QTimer> clock;
    };

    void follow(const SimCallEvent& event);
    void start(const SimCallEvent& event);
    void tick(const QString& id);

    SimCalls& m_calls;
    desktopapi::ApiBusService& m_service;
    std::map<QString, Active> m_active;
};

} // namespace verbalink::sim

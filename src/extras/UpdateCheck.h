#pragma once

#include "platform/StopSignal.h"
#include "platform/WorkerThreads.h"
#include "translate/net/ProxySettings.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace verbalink {

class Clock;
class MessageBoxPort;
class RegistryStore;

// Asks the product site for its published version: automatically a little after start-up, at
// most once per 36 hours, and whenever the user chooses "Check for Updates". Each check runs on
// a thread of its own; an ended one is joined when the next check starts, the rest when the
// object goes.
class UpdateCheck {
public:
    static constexpr QByteArrayView OwnVersion = "2.60";
    static constexpr qint64 IntervalSeconds = 129600;
    static constexpr qint64 StartDelayMs = 2000;

    enum class Mode { Automatic, Manual };

    struct Site {
        QByteArray host;
        ProxySettings proxy;
    };
    struct Links {
        Clock& clock;
        RegistryStore& registry;
        MessageBoxPort& boxes;
        // Opens a page of the product site; called on the check's thread.
        std::function<void(const QString& page)> openProductPage;
    };
    // What a check needs from the program, taken when it starts: where to ask and how, and the
    // boxes' texts in the interface language of that moment.
    struct Request {
        Site site;
        QString latestVersionText;
        QString newVersionText;
        QString noConnectionText;
    };

    explicit UpdateCheck(Links links);
    ~UpdateCheck();

    void start(Mode mode, Request request);
    // Runs one check on the calling thread.
    void run(Mode mode, const Request& request);
    // Check threads not joined yet.
    qsizetype heldThreads() const { return m_checks.held(); }

private:
    bool dueForAutomaticCheck();
    QByteArray fetchVersionFile(const Site& site);
    void storeCheckTime();

    Links m_links;
    // Set when the program ends: a check still waiting for its start gives up.
    StopSignal m_stop;
    WorkerThreads m_checks;
};

} // namespace verbalink

#pragma once

#include "extras/GreetingsForm.h"
#include "extras/TextArtPictures.h"
#include "ui/ContactDialogOpener.h"
#include "ui/DialogToggle.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

namespace verbalink {

class BroadcastDialog;
class Clock;
class SkypeConnection;

// The Greetings, Fun&Art and Broadcast dialogs: each command opens its dialog, or closes the
// open one. Contacts are fetched off the GUI thread first, and a broadcast sends from a worker
// so the dialog stays responsive and can be cancelled.
class ChatExtrasDialogs : public QObject {
    Q_OBJECT
public:
    static constexpr int GreetingsCommand = 33179;
    static constexpr int ArtCommand = 33166;
    static constexpr int BroadcastCommand = 33373;

    ChatExtrasDialogs(SkypeConnection& link, Clock& clock);
    // Cancels a broadcast and waits for the workers.
    ~ChatExtrasDialogs() override;

    // Runs one of the three commands; false for any other id.
    bool handleCommand(int commandId);

Q_SIGNALS:
    // A dialog opened (for the log).
    void opened(const QString& title);

private:
    void startBroadcast(BroadcastDialog* dialog, const QString& message);
    void joinWorkers();

    SkypeConnection& m_link;
    Clock& m_clock;
    GreetingsForm m_greetingsForm{GreetingTable::builtIn()};
    TextArtPictures m_pictures{TextArtPictures::builtIn()};
    ContactDialogOpener m_opener;
    DialogToggle m_greetings;
    DialogToggle m_art;
    DialogToggle m_broadcast;
    std::thread m_broadcastThread;
    std::atomic<bool> m_cancelBroadcast{false};
};

} // namespace verbalink

#pragma once

#include <QString>
#include <atomic>
#include <functional>

namespace verbalink {

class Clock;

// Sends one message to every contact of the list, in list order and 100 ms apart, while the
// link keeps the new chats in the background. Runs on a worker; the dialog follows the
// progress and may cancel between two contacts.
class BroadcastSender {
public:
    static constexpr qint64 PauseMs = 100;

    enum class Outcome { NoContacts, Sent, Cancelled };

    struct Links {
        std::function<QString(qsizetype index)> handleAt;
        std::function<bool(const QString& handle, const QString& text)> post;
        std::function<void(bool running)> setRunning;
        Clock& clock;
    };

    explicit BroadcastSender(Links links) : m_links(std::move(links)) {}

    // progress(i) is told after the i-th contact's turn (1 … count).
    Outcome send(const QString& message, qsizetype count,
                 const std::function<void(qsizetype done)>& progress,
                 const std::atomic<bool>& cancel);

private:
    Links m_links;
};

} // namespace verbalink

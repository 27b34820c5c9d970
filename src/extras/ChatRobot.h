#pragma once

#include "platform/StopSignal.h"
#include "platform/WorkerThreads.h"
#include "skype/IncomingMessageHandler.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <mutex>

namespace verbalink {

class Clock;
class MessageBoxPort;
class RobotUsers;
class ServiceConnections;
class TranslationChat;

// The A.I. talk robot: a message from a contact in talk mode goes to the robot service (in
// English, translated through Google when it was written in another language) and the robot's
// answer goes back to the contact, after a typing delay of 5 to 10 seconds when that is on.
// Each message runs on a thread of its own; one robot request runs at a time.
class ChatRobot final : public IncomingMessageHandler {
public:
    // A 16-hex-digit robot of the service, used while the user has not set one.
    static constexpr QByteArrayView DefaultRobotId = "b0dafd24ee35a477";

    struct Options {
        QByteArray robotId;
        bool translateAnswer = false;
        bool delayAnswer = true;
    };
    struct Links {
        TranslationChat& chat;
        // Their proxy settings are copied for each request.
        const ServiceConnections& connections;
        MessageBoxPort& boxes;
        Clock& clock;
        RobotUsers& users;
    };

    // robotHost is the Pandorabots host; googleHost the Google search host the detecting
    // translation is asked of. Everything referenced must outlive this object.
    ChatRobot(Links links, QByteArray robotHost, QByteArray googleHost);
    // Waits for the running turns; their answers are no longer sent.
    ~ChatRobot() override;
    ChatRobot(const ChatRobot&) = delete;
    ChatRobot& operator=(const ChatRobot&) = delete;

    // A stored robot id of fewer than two characters stands for the default one.
    static QByteArray robotIdOrDefault(const QByteArray& stored);
    void setOptions(const Options& options);
    Options options() const;

    // Starts the message's turn on its own thread and returns. Group chats (no partner) get no
    // answer.
    void handle(const QString& text, const QString& partner) override;
    // Asks the robot on the calling thread; true when an answer was stored for the handle.
    bool ask(const QString& handle, const QString& text);
    // Blocks until every turn started so far has ended.
    void waitForTurns();
    // Ends the turns: those still waiting send nothing; no new ones start.
    void stop();

    static QByteArray request(QByteArrayView host, QByteArrayView robotId, const QString& input,
                              QByteArrayView conversationId, QByteArrayView proxyLine);

private:
    void turn(const QString& text, const QString& handle);

    Links m_links;
    QByteArray m_robotHost;
    QByteArray m_googleHost;
    mutable std::mutex m_optionsMutex;
    Options m_options;
    // One robot request at a time: both translations, the exchange and the record update.
    std::mutex m_robotLock;
    StopSignal m_stop;
    WorkerThreads m_turns;
};

} // namespace verbalink

#pragma once

#include "platform/WorkerThreads.h"
#include "skype/IncomingMessageHandler.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

namespace verbalink {

class Clock;
class IncomingOptions;
class LanguageSelection;
class MessageBoxPort;
class ServiceConnections;
class TranslationChat;

// Translates a received one-to-one message with Google into the incoming language and shows
// the translation: posted into the chat as "[name] translation", or added to the list of
// translated messages. Each message runs on a thread of its own with a connection of its own,
// so a slow answer delays only that message and never the outgoing flow.
class IncomingTranslation final : public IncomingMessageHandler {
public:
    // Adds one translation to the list of translated messages (MessageList::add in the
    // program); called from the incoming threads.
    using ListSink = std::function<void(const QString& sender, const QString& translation)>;

    struct Links {
        TranslationChat& chat;
        // Their proxy settings are copied for each message's connection.
        const ServiceConnections& connections;
        const LanguageSelection& languages;
        const IncomingOptions& options;
        // Shows the connection's proxy failure message.
        MessageBoxPort& boxes;
        Clock& clock;
    };

    // The connection is bound to `searchHost`; the request names `translateHost` (as the
    // outgoing Google engine does). Everything referenced must outlive this object.
    IncomingTranslation(Links links, QByteArray searchHost, QByteArray translateHost,
                        ListSink toList);
    // Waits for the running threads; their results are no longer shown.
    ~IncomingTranslation() override;
    IncomingTranslation(const IncomingTranslation&) = delete;
    IncomingTranslation& operator=(const IncomingTranslation&) = delete;

    // Starts the message's thread and returns. Messages without a partner (group chats) are
    // not translated.
    void handle(const QString& text, const QString& partner) override;

    // Blocks until every thread started so far has ended.
    void waitForThreads();

private:
    void translate(const QString& text, const QString& partner);
    QByteArray targetLanguage();
    void show(const QString& translation, const QString& partner);

    Links m_links;
    QByteArray m_searchHost;
    QByteArray m_translateHost;
    ListSink m_toList;
    std::atomic<bool> m_stopping{false};
    WorkerThreads m_threads;
};

} // namespace verbalink

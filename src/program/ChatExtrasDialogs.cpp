#include "program/ChatExtrasDialogs.h"

#include "extras/BroadcastSender.h"
#include "platform/CommandId.h"
#include "skype/SkypeConnection.h"
#include "ui/BroadcastDialog.h"
#include "ui/FunArtDialog.h"
#include "ui/GreetingsDialog.h"

#include <QCoreApplication>
#include <QPointer>

namespace verbalink {

ChatExtrasDialogs::ChatExtrasDialogs(SkypeConnection& link, Clock& clock)
    : m_link(link), m_clock(clock), m_opener(link)
{
    connect(&m_opener, &ContactDialogOpener::opened, this,
            [this](QWidget* dialog) { Q_EMIT opened(dialog->windowTitle()); });
}

ChatExtrasDialogs::~ChatExtrasDialogs()
{
    m_cancelBroadcast = true;
    joinWorkers();
}

void ChatExtrasDialogs::joinWorkers()
{
    m_opener.join();
    if (m_broadcastThread.joinable())
        m_broadcastThread.join();
}

bool ChatExtrasDialogs::handleCommand(int commandId)
{
    switch (commandId) {
    case CommandId::Greetings:
        m_opener.toggle(m_greetings, [this](const QStringList& contacts) {
            return new GreetingsDialog(m_greetingsForm, contacts,
                                       [this](const QString& user, const QString& text) {
                                           m_link.postMessageTo(user, text, true);
                                       });
        });
        return true;
    case CommandId::FunArt:
        m_opener.toggle(m_art, [this](const QStringList& contacts) {
            return new FunArtDialog(m_pictures, contacts,
                                    [this](const QString& user, const QString& effect) {
                                        m_link.postArtMessageTo(user, effect);
                                    });
        });
        return true;
    case CommandId::Broadcast:
        m_opener.toggle(
            m_broadcast,
            [this](const QStringList&) {
                auto* dialog = new BroadcastDialog;
                connect(
                    dialog, &BroadcastDialog::sendRequested, this,
                    [this, dialog](const QString& message) { startBroadcast(dialog, message); });
                connect(dialog, &BroadcastDialog::cancelRequested, this,
                        [this] { m_cancelBroadcast = true; });
                return dialog;
            },
            true);
        return true;
    default:
        return false;
    }
}

void ChatExtrasDialogs::startBroadcast(BroadcastDialog* dialog, const QString& message)
{
    if (m_broadcastThread.joinable())
        m_broadcastThread.join();
    m_cancelBroadcast = false;
    QPointer<BroadcastDialog> shown(dialog);
    m_broadcastThread = std::thread([this, shown, message] {
        BroadcastSender sender(
            {[this](qsizetype i) { return m_link.handleAt(i); },
             [this](const QString& handle, const QString& text) {
                 return m_link.postMessageTo(handle, text, true);
             },
             [this](bool running) { m_link.options().setBroadcastRunning(running); }, m_clock});
        const qsizetype count = m_link.contactEntries().size();
        sender.send(
            message, count,
            [shown, count](qsizetype done) {
                QMetaObject::invokeMethod(QCoreApplication::instance(), [shown, done, count] {
                    if (shown)
                        shown->showProgress(done, count);
                });
            },
            m_cancelBroadcast);
        // Done, cancelled or nobody to send to: the dialog closes.
        QMetaObject::invokeMethod(QCoreApplication::instance(), [shown] {
            if (shown)
                shown->accept();
        });
    });
}

} // namespace verbalink

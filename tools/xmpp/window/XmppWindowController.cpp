#include "XmppWindowController.h"

#include "ApiBusService.h"
#include "ChatMessageModel.h"
#include "ChatRosterModel.h"
#include "ChatStatusLine.h"
#include "ChatWindow.h"
#include "FlagCodes.h"
#include "XmppConnection.h"
#include "XmppWorld.h"

#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;
using verbalink::desktopapi::ApiBusService;
using verbalink::desktopapi::ApiChatMessage;
using verbalink::desktopapi::ApiMessageChange;
using verbalink::desktopapi::ChatMessageModel;
using verbalink::desktopapi::ChatRosterModel;
using verbalink::desktopapi::ChatStatusLine;
using verbalink::desktopapi::ChatWindow;

namespace verbalink::xmpp {

XmppWindowController::XmppWindowController(XmppWorld& world, ApiBusService& service,
                                           XmppConnection& connection, QObject* parent)
    : QObject(parent), m_world(world), m_messages(std::make_unique<ChatMessageModel>(world.api())),
      m_roster(std::make_unique<ChatRosterModel>(world.api(), *m_messages)),
      m_window(std::make_unique<ChatWindow>(*m_roster, *m_messages))
{
    world.api().chats().addListener([this, model = QPointer<ChatMessageModel>(m_messages.get())](
                                        ApiMessageChange change, const ApiChatMessage& message) {
        if (!model)
            return;
        model->record(change, message);
        // A message from someone new adds them; the roster may have grown meanwhile too.
        QTimer::singleShot(0, this, &XmppWindowController::refresh);
    });
    // The window shows what the partner gets.
    m_messages->setShownBody(&FlagCodes::toUnicode);
    m_window->setRealClient();
    m_window->setTitle(u"XMPP chat"_s);
    connect(m_window.get(), &ChatWindow::userTyped, this, &XmppWindowController::userTyped);
    ChatStatusLine* status = m_window->statusLine();
    connect(&service, &ApiBusService::commandReceived, status, &ChatStatusLine::setLastCommand);
    connect(&service, &ApiBusService::clientAttached, status,
            [this, status](const QString& client) {
                status->setAttached(m_world.api().state().attachedApp, client);
            });
    connect(&service, &ApiBusService::clientDetached, status, &ChatStatusLine::setDetached);
    connect(&connection, &XmppConnection::statusChanged, this,
            [this](const QString& text) { m_window->setTitle(text); });
    // The roster arrives after the window is up.
    auto* refresher = new QTimer(this);
    connect(refresher, &QTimer::timeout, this, &XmppWindowController::refresh);
    refresher->start(1000);
    refresh();
}

XmppWindowController::~XmppWindowController() = default;

void XmppWindowController::show()
{
    m_window->show();
}

void XmppWindowController::userTyped(const QString& conversation, const QString& text)
{
    if (!conversation.isEmpty()) {
        m_world.userTypes(conversation, text);
        return;
    }
    if (!m_world.rooms().rooms().isEmpty())
        m_world.userTypesIn(m_world.rooms().rooms().first().chatName, text);
}

void XmppWindowController::refresh()
{
    m_roster->refresh();
    const QString own = m_world.api().state().ownHandle;
    m_window->setOwnHandle(own, m_world.picture(own));
}

} // namespace verbalink::xmpp

#include "XmppWindowController.h"

#include "ChatMessageModel.h"
#include "ChatRosterModel.h"
#include "ChatWindow.h"
#include "FlagCodes.h"
#include "XmppWorld.h"

#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;
using verbalink::desktopapi::ApiChatMessage;
using verbalink::desktopapi::ApiMessageChange;
using verbalink::desktopapi::ChatMessageModel;
using verbalink::desktopapi::ChatRosterModel;
using verbalink::desktopapi::ChatWindow;

namespace verbalink::xmpp {

XmppWindowController::XmppWindowController(XmppWorld& world, QObject* parent)
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
    // The window shows what the partner gets, each room as a conversation of its own.
    m_messages->setShownBody(&FlagCodes::toUnicode);
    m_messages->setGroupsByName(true);
    m_roster->dropStandingGroup();
    m_window->setRealClient();
    m_window->offerLanguages(offeredLanguages());
    m_window->setTitle(u"XMPP chat"_s);
    connect(m_window.get(), &ChatWindow::userTyped, this, &XmppWindowController::userTyped);
    connect(m_window.get(), &ChatWindow::languageChosen, this,
            &XmppWindowController::languageChosen);
    // The roster and the rooms arrive after the window is up.
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

QStringList XmppWindowController::offeredLanguages()
{
    // The languages the local translation gateway translates, and a few more.
    return {u"ar"_s, u"ca"_s, u"cs"_s, u"da"_s, u"de"_s, u"el"_s, u"en"_s, u"eo"_s, u"es"_s,
            u"eu"_s, u"fi"_s, u"fr"_s, u"gl"_s, u"hu"_s, u"it"_s, u"ja"_s, u"ko"_s, u"nb"_s,
            u"nl"_s, u"pl"_s, u"pt"_s, u"ro"_s, u"ru"_s, u"sv"_s, u"tr"_s, u"uk"_s, u"zh"_s};
}

void XmppWindowController::userTyped(const QString& conversation, const QString& text)
{
    if (m_world.rooms().byChat(conversation))
        m_world.userTypesIn(conversation, text);
    else if (!conversation.isEmpty())
        m_world.userTypes(conversation, text);
}

void XmppWindowController::languageChosen(const QString& conversation, const QString& code)
{
    if (conversation.isEmpty() || m_world.rooms().byChat(conversation))
        return;
    m_world.chooseLanguage(conversation, code);
    refresh();
}

void XmppWindowController::refresh()
{
    for (const RoomBook::Room& room : m_world.rooms().rooms())
        m_roster->addGroup(room.chatName, room.jid);
    m_roster->refresh();
    const QString own = m_world.api().state().ownHandle;
    m_window->setOwnHandle(own, m_world.picture(own));
}

} // namespace verbalink::xmpp

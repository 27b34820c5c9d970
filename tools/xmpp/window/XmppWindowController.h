#pragma once

#include <QObject>
#include <memory>

namespace verbalink::desktopapi {
class ApiBusService;
class ChatMessageModel;
class ChatRosterModel;
class ChatWindow;
} // namespace verbalink::desktopapi

namespace verbalink::xmpp {

class XmppConnection;
class XmppWorld;

// The shared chat window over the XMPP account: what the user types goes to the contact (or
// the first room, for the group chat), the title says how the connection is, the status line
// shows the attached program and the commands it sends. No calls, no line to write as someone
// else.
class XmppWindowController : public QObject {
    Q_OBJECT

public:
    XmppWindowController(XmppWorld& world, desktopapi::ApiBusService& service,
                         XmppConnection& connection, QObject* parent = nullptr);
    ~XmppWindowController() override;

    void show();
    desktopapi::ChatWindow& window() { return *m_window; }

private:
    void userTyped(const QString& conversation, const QString& text);
    void refresh();

    XmppWorld& m_world;
    std::unique_ptr<desktopapi::ChatMessageModel> m_messages;
    std::unique_ptr<desktopapi::ChatRosterModel> m_roster;
    std::unique_ptr<desktopapi::ChatWindow> m_window;
};

} // namespace verbalink::xmpp

#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

namespace verbalink::desktopapi {
class ChatMessageModel;
class ChatRosterModel;
class ChatWindow;
} // namespace verbalink::desktopapi

namespace verbalink::xmpp {

class XmppWorld;

// The shared chat window over the XMPP account: each contact and each room is a conversation,
// what the user types goes to the shown one, and the user can say which language a contact
// writes. No calls, no line to write as someone else. Whoever owns the window shows the
// connection in its title and the attached program in its status line.
class XmppWindowController : public QObject {
    Q_OBJECT

public:
    explicit XmppWindowController(XmppWorld& world, QObject* parent = nullptr);
    ~XmppWindowController() override;

    void show();
    desktopapi::ChatWindow& window() { return *m_window; }
    // Picks up contacts and rooms that came since, and repaints.
    void refresh();

    // The languages the window offers for a contact.
    static QStringList offeredLanguages();

private:
    void userTyped(const QString& conversation, const QString& text);
    void languageChosen(const QString& conversation, const QString& code);

    XmppWorld& m_world;
    std::unique_ptr<desktopapi::ChatMessageModel> m_messages;
    std::unique_ptr<desktopapi::ChatRosterModel> m_roster;
    std::unique_ptr<desktopapi::ChatWindow> m_window;
};

} // namespace verbalink::xmpp

#pragma once

#include <QObject>
#include <QStringList>

namespace verbalink::xmpp {

class XmppWorld;

// The --script directives of the XMPP client, one a line, in order: "type <handle> <text>"
// (the user types to a contact, as in the window and as the simulator's directive does),
// "type-room <room> <text>", "sleep <ms>", "wait-attach", "wait-online" and "quit". Blank lines
// and lines starting with '#' are skipped; a bad line is reported on standard error and skipped.
class ClientScript : public QObject {
    Q_OBJECT

public:
    ClientScript(XmppWorld& world, QObject* parent = nullptr);

    void run(const QStringList& lines);
    // What the waits wait for.
    void setAttached(bool attached);
    void setOnline(bool online);

Q_SIGNALS:
    void quitRequested();

private:
    void next();
    // False when the line holds the script (a sleep or a wait).
    bool perform(const QString& line);
    void typeInRoom(const QString& room, const QString& text);

    XmppWorld& m_world;
    QStringList m_lines;
    int m_lineNumber = 0;
    bool m_attached = false;
    bool m_online = false;
    enum class Wait { None, Sleep, Attach, Online } m_wait = Wait::None;
};

} // namespace verbalink::xmpp

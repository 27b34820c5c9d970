#pragma once

#include <QProcess>
#include <QString>

class QPoint;
struct xcb_connection_t;

namespace verbalink::testing {

// A private X server (Xvfb) for one test, and a client connection of the test's own, with which
// it can hold a key the way another program would.
class VirtualDisplay {
public:
    ~VirtualDisplay();
    bool start(QString& error);
    QString name() const { return m_name; }
    // Presses keys as a user would ("ctrl+shift+F1"; "Caps_Lock" toggles the lock).
    bool press(const QString& keys) const;
    // Moves the pointer there and clicks the left button.
    bool click(const QPoint& at) const;
    // Gives the keyboard to the window, as a window manager would.
    bool focus(quintptr window) const;
    // The same for the first window with this title, waiting until one is shown.
    bool focusWindowNamed(const QString& title) const;
    // Types text into the window that has the focus.
    bool type(const QString& text) const;
    // Grabs a key with modifiers on the root window from this test's own client.
    bool holdKey(quint16 modifiers, quint32 keysym);

private:
    bool xdotool(const QStringList& arguments) const;

    QProcess m_server;
    QString m_name;
    xcb_connection_t* m_connection = nullptr;
};

} // namespace verbalink::testing

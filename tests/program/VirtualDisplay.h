#pragma once

#include <QProcess>
#include <QString>

struct xcb_connection_t;

namespace verbalink::testing {

class ProgramHome;

// A private X server (Xvfb) for one test, and a client connection of the test's own, with which
// it can hold a key the way another program would.
class VirtualDisplay {
public:
    ~VirtualDisplay();
    bool start(QString& error);
    QString name() const { return m_name; }
    // Later starts of the program in that home run on this display.
    void showPrograms(ProgramHome& home) const;
    // Presses keys as a user would ("ctrl+shift+F1"; "Caps_Lock" toggles the lock).
    bool press(const QString& keys) const;
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

#include "VirtualDisplay.h"

#include <QCoreApplication>
#include <QFile>
#include <QPoint>
#include <QThread>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace verbalink::testing {

VirtualDisplay::~VirtualDisplay()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    m_server.terminate();
    m_server.waitForFinished(3000);
}

bool VirtualDisplay::start(QString& error)
{
    // A display number of our own: the first without a lock file from a per-process start.
    for (int number = 100 + int(QCoreApplication::applicationPid() % 400); number < 1000;
         ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        m_name = QStringLiteral(":%1").arg(number);
        m_server.start(QStringLiteral(XVFB_EXECUTABLE),
                       {m_name, QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        for (int i = 0; i < 100 && !m_connection; ++i) {
            QThread::msleep(50);
            xcb_connection_t* connection = xcb_connect(m_name.toLatin1().constData(), nullptr);
            if (xcb_connection_has_error(connection) == 0)
                m_connection = connection;
            else
                xcb_disconnect(connection);
        }
        if (m_connection)
            return true;
        m_server.kill();
        m_server.waitForFinished();
    }
    error = QStringLiteral("Xvfb did not start");
    return false;
}

bool VirtualDisplay::press(const QString& keys) const
{
    return xdotool({QStringLiteral("key"), keys});
}

bool VirtualDisplay::click(const QPoint& at) const
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                    QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

bool VirtualDisplay::focus(quintptr window) const
{
    return xdotool(
        {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
}

bool VirtualDisplay::focusWindowNamed(const QString& title) const
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                    QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title,
                    QStringLiteral("windowfocus"), QStringLiteral("--sync")});
}

bool VirtualDisplay::type(const QString& text) const
{
    return xdotool({QStringLiteral("type"), text});
}

bool VirtualDisplay::xdotool(const QStringList& arguments) const
{
    QProcess xdotool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_name);
    xdotool.setProcessEnvironment(env);
    xdotool.start(QStringLiteral(XDOTOOL_EXECUTABLE), arguments);
    return xdotool.waitForFinished(5000) && xdotool.exitCode() == 0;
}

bool VirtualDisplay::holdKey(quint16 modifiers, quint32 keysym)
{
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_connection);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    const xcb_keycode_t keycode = codes ? codes[0] : 0;
    free(codes);
    xcb_key_symbols_free(symbols);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    xcb_generic_error_t* failed = xcb_request_check(
        m_connection, xcb_grab_key_checked(m_connection, 1, root, modifiers, keycode,
                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    free(failed);
    return keycode != 0 && !failed;
}

} // namespace verbalink::testing

#include "ui/X11HotKeys.h"

#include <QGuiApplication>
#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace verbalink {

namespace {

// Caps Lock and Num Lock (Mod2 on every common layout) must not stop a hot key.
constexpr quint16 LockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                    XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

quint16 xcbModifiers(int modifiers)
{
    quint16 mask = 0;
    if (modifiers & HotKeyPort::Control)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & HotKeyPort::Alt)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & HotKeyPort::Shift)
        mask |= XCB_MOD_MASK_SHIFT;
    return mask;
}

xcb_keysym_t keysymOf(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return XK_F1 + (key - Qt::Key_F1);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return XK_0 + (key - Qt::Key_0);
    if (key == Qt::Key_M)
        return XK_m;
    if (key == Qt::Key_Space)
        return XK_space;
    return XCB_NO_SYMBOL;
}

} // namespace

X11HotKeys::X11HotKeys()
{
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    m_connection = x11->connection();
    m_symbols = xcb_key_symbols_alloc(m_connection);
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    qGuiApp->installNativeEventFilter(this);
}

X11HotKeys::~X11HotKeys()
{
    if (!m_connection)
        return;
    for (const Grab& grab : std::as_const(m_grabs))
        ungrabVariants(grab);
    xcb_flush(m_connection);
    xcb_key_symbols_free(m_symbols);
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool X11HotKeys::grab(int id, int modifiers, int key)
{
    if (!m_connection || m_grabs.contains(id))
        return false;
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(m_symbols, keysymOf(key));
    const quint8 keycode = codes ? codes[0] : 0;
    free(codes);
    if (keycode == 0)
        return false;
    const Grab grab{keycode, xcbModifiers(modifiers)};
    if (!grabVariants(grab))
        return false;
    m_grabs.insert(id, grab);
    return true;
}

void X11HotKeys::release(int id)
{
    const auto found = m_grabs.constFind(id);
    if (found == m_grabs.constEnd())
        return;
    ungrabVariants(*found);
    xcb_flush(m_connection);
    m_grabs.erase(found);
}

bool X11HotKeys::grabVariants(const Grab& grab)
{
    // Another client holding any variant refuses the whole key, so a half-grabbed key never
    // works only with Caps Lock on.
    for (quint16 lock : LockVariants) {
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(m_connection, 1, m_root, grab.modifiers | lock, grab.keycode,
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            free(error);
            ungrabVariants(grab);
            xcb_flush(m_connection);
            return false;
        }
    }
    return true;
}

void X11HotKeys::ungrabVariants(const Grab& grab)
{
    for (quint16 lock : LockVariants)
        xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers | lock);
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    const quint16 state = press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
    for (auto grab = m_grabs.cbegin(); grab != m_grabs.cend(); ++grab) {
        if (grab->keycode == press->detail && grab->modifiers == state) {
            notifyPressed(grab.key());
            return true;
        }
    }
    return false;
}

} // namespace verbalink

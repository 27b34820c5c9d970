#pragma once

#include "platform/HotKeyPort.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>

struct xcb_connection_t;
struct _XCBKeySymbols;

namespace verbalink {

// Global hot keys on X11: each key is grabbed on the root window four times (plain, with Caps
// Lock, with Num Lock, with both) so it works whatever the lock state; presses are read from
// Qt's xcb events. Without X11 (Wayland, offscreen) nothing is grabbed.
class X11HotKeys final : public HotKeyPort, public QAbstractNativeEventFilter {
public:
    X11HotKeys();
    ~X11HotKeys() override;

    bool grab(int id, int modifiers, int key) override;
    void release(int id) override;
    bool isAvailable() const override { return m_connection != nullptr; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        quint8 keycode;
        quint16 modifiers;
    };

    bool grabVariants(const Grab& grab);
    void ungrabVariants(const Grab& grab);

    xcb_connection_t* m_connection = nullptr;
    _XCBKeySymbols* m_symbols = nullptr;
    quint32 m_root = 0;
    QHash<int, Grab> m_grabs;
};

} // namespace verbalink

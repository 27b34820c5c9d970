#pragma once

#include "app/menu/MenuItem.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace verbalink {

// Reads a menu tree from its JSON text: {"format": 1, "items": [...]}, where each entry is
// {"separator": true}, a command {"id", "text"} or a submenu {"text", "items": [...]}, with the
// optional "image", "group", "checked", "enabled" and "stored" (res/menu/README.md).
class MenuResource {
public:
    struct Result {
        std::unique_ptr<MenuItem> root; // null on error
        QString error;
    };

    // The tray menu built into the program.
    static Result readTrayMenu();
    static Result parse(const QByteArray& json);

    // The resource path of the tray menu.
    static QString trayMenuPath();
};

} // namespace verbalink

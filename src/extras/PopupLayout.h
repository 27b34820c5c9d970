#pragma once

#include <QSize>
#include <QString>

namespace verbalink {

// The measures of a received-message popup: its size, the text in its white box and how many
// lines that box holds.
struct PopupLayout {
    int width = 0;
    int height = 0;
    int charsPerLine = 0;
    int lines = 0;
    int textBoxHeight = 0;
    QString text;
};

// Lays out a popup `size` pixels wide (96, 128 or 256; other sizes snap down to those). With a
// picture (`picture` not empty) the popup keeps the picture's proportions and shows the message
// alone; without one it shows "name: message". A size of 0 or less gives an empty layout.
PopupLayout layoutPopup(const QString& message, const QString& senderName, QSize picture, int size);

} // namespace verbalink

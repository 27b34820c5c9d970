#pragma once

#include <QPixmap>
#include <QString>

namespace verbalink::sim {

// Round pictures for the chat window: the simulated client's own picture of a person with their
// initials on it (grey when the client has no picture of them), and one for the group chat.
class SimAvatarArt {
public:
    static QPixmap person(const QString& handle, const QString& name, bool hasPicture, int size,
                          qreal pixelRatio);
    static QPixmap group(int size, qreal pixelRatio);
    // "LF" for "Lucía Fernández", "B" for "bob".
    static QString initials(const QString& handle, const QString& name);
};

} // namespace verbalink::sim

#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace verbalink::desktopapi {

// Round pictures for the chat window: the client's picture of a person with their initials on
// it (grey when the client has no picture of them), and one for the group chat.
class ChatAvatarArt {
public:
    static QPixmap person(const QString& handle, const QString& name, const QImage& picture,
                          int size, qreal pixelRatio);
    static QPixmap group(int size, qreal pixelRatio);
    // "LF" for "Lucía Fernández", "B" for "bob".
    static QString initials(const QString& handle, const QString& name);
};

} // namespace verbalink::desktopapi

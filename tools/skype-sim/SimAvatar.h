#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace verbalink::sim {

// The pictures the simulated client saves for GET USER ... AVATAR: a square JPEG in a colour
// of the user's own, so that a test can tell whose picture it got.
class SimAvatar {
public:
    static constexpr int Size = 96;

    static QColor colourOf(const QString& handle);
    // The picture itself, as the file holds it and the chat window shows it.
    static QImage picture(const QString& handle);
    // Writes the picture to path; false with a reason when the file cannot be written.
    static bool write(const QString& handle, const QString& path, QString& error);
};

} // namespace verbalink::sim

#pragma once

#include "extras/PopupMotion.h"

#include <optional>

namespace verbalink {

// The life of a popup frame by frame: it grows out of the panel while fading in, stays about
// three seconds, and fades out. Each frame says where the popup stands, how opaque it is and how
// long it stays so.
class PopupAnimation {
public:
    struct Frame {
        QRect geometry;
        double opacity = 0;
        int durationMs = 0;
    };

    explicit PopupAnimation(const PopupMotion& motion);

    // The next frame for the popup's current distance from the panel; nothing once it is over.
    std::optional<Frame> next(int offset);

private:
    static constexpr int HoldFrames = 300;
    static constexpr int FadeFrames = 128;

    PopupMotion m_motion;
    int m_frame = 0;
};

} // namespace verbalink

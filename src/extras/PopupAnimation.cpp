#include "extras/PopupAnimation.h"

namespace verbalink {

namespace {

constexpr int GrowFrameMs = 2;
constexpr int FrameMs = 10;
constexpr int Opaque = 255;
// Fading out takes the alpha from 255 down to 1 in steps of 2.
constexpr int FadeStep = 2;

} // namespace

PopupAnimation::PopupAnimation(const PopupMotion& motion) : m_motion(motion) {}

std::optional<PopupAnimation::Frame> PopupAnimation::next(int offset)
{
    const int frame = m_frame++;
    const int grow = m_motion.growFrames();
    if (frame < grow) {
        // The alpha climbs by 256 / width per frame, as the width grows by two pixels.
        const int alpha = frame * 128 / grow;
        return Frame{m_motion.grownTo(frame, offset), double(alpha) / Opaque, GrowFrameMs};
    }
    const QRect full = m_motion.fullSize(offset);
    if (frame < grow + HoldFrames)
        return Frame{full, 1.0, FrameMs};
    const int fade = frame - grow - HoldFrames;
    if (fade < FadeFrames)
        return Frame{full, double(Opaque - FadeStep * fade) / Opaque, FrameMs};
    return std::nullopt;
}

} // namespace verbalink

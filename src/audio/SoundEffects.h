#pragma once

#include "audio/VoiceChoices.h"

#include <QtGlobal>
#include <array>
#include <span>

namespace verbalink {

// Echo, repeating echo and chorus on one shared delay line: a 250 ms echo at a quarter of the
// amplitude, or a 6.25 ms comb averaged with the input.
class SoundEffects {
public:
    static constexpr int EchoDelay = 4000;
    static constexpr int ChorusDelay = 100;

    void process(voicechoices::Effect effect, std::span<qint16> block);
    // Silence in the line and back to its start (when the input routing is applied again).
    void clear();

private:
    std::array<qint16, 8000> m_delay{};
    int m_position = 0;
};

} // namespace verbalink

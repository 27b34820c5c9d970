#pragma once

#include <QtGlobal>
#include <array>
#include <span>

namespace verbalink {

// "Robotic Voice": ring modulation with a 25 Hz sine from a 640-entry table. Quiet blocks (their
// positive samples averaging 200 or less) pass unchanged, so silence stays silent.
class RobotVoice {
public:
    static constexpr int TableSize = 640;
    static constexpr qint64 Gate = 200;

    RobotVoice();
    void process(std::span<qint16> block);

private:
    std::array<float, TableSize> m_table{};
    int m_phase = 0;
};

} // namespace verbalink

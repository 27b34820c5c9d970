#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

namespace verbalink {

// "Alien (useless)": the voice gathered into half-second pieces, each played backwards with a
// 20 ms fade at both ends so the cuts do not click.
class AlienReversal {
public:
    static constexpr qsizetype Capacity = 16000;
    static constexpr qsizetype Piece = 8000;
    static constexpr qsizetype Ramp = 320;

    AlienReversal();
    // Takes the block and writes every finished piece to out, which must have room for the
    // block and a full buffer; returns the samples written (often none).
    qsizetype process(std::span<const qint16> block, std::span<qint16> out);

private:
    qsizetype emit(std::span<qint16> out);

    std::vector<qint16> m_buffer;
    qsizetype m_fill = 0;
};

} // namespace verbalink

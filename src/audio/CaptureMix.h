#pragma once

#include <QByteArray>
#include <span>

namespace verbalink {

// How the recorder turns equal-length blocks of 16-bit samples, one per capture connection in
// connection order, into what it writes.
namespace capturemix {

// One channel: with several inputs each is scaled first (0.6 for two, 1.3 / n for more,
// truncated toward zero), then all are added with 16-bit wrap-around, as the client's mixer does.
void mixMono(std::span<const QByteArray> blocks, QByteArray& out);
// Two channels interleaved, the first block left; a missing second block is silence and blocks
// after the second are left out.
void interleaveStereo(std::span<const QByteArray> blocks, QByteArray& out);

} // namespace capturemix

} // namespace verbalink

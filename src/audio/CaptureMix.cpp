#include "audio/CaptureMix.h"

#include "audio/Pcm.h"

#include <QtEndian>
#include <algorithm>

namespace verbalink::capturemix {

namespace {

qint16 sampleAt(const QByteArray& block, qsizetype index)
{
    return qFromLittleEndian<qint16>(block.constData() + 2 * index);
}

void putSample(QByteArray& out, qsizetype index, qint16 value)
{
    qToLittleEndian<qint16>(value, out.data() + 2 * index);
}

qsizetype samplesIn(std::span<const QByteArray> blocks)
{
    return blocks.empty() ? 0 : blocks.front().size() / 2;
}

} // namespace

void mixMono(std::span<const QByteArray> blocks, QByteArray& out)
{
    const qsizetype samples = samplesIn(blocks);
    out.fill('\0', samples * 2);
    const size_t count = blocks.size();
    const double scale = count == 2 ? 0.6 : 1.3 / double(count);
    for (const QByteArray& block : blocks) {
        for (qsizetype i = 0; i < samples; ++i) {
            int value = sampleAt(block, i);
            if (count > 1)
                value = int(double(value) * scale);
            putSample(out, i, pcm::wrappingSum(sampleAt(out, i), value));
        }
    }
}

void interleaveStereo(std::span<const QByteArray> blocks, QByteArray& out)
{
    const qsizetype samples = samplesIn(blocks);
    out.fill('\0', samples * 4);
    const size_t channels = std::min<size_t>(blocks.size(), 2);
    for (size_t channel = 0; channel < channels; ++channel) {
        for (qsizetype i = 0; i < samples; ++i)
            putSample(out, 2 * i + qsizetype(channel), sampleAt(blocks[channel], i));
    }
}

} // namespace verbalink::capturemix

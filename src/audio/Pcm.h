#pragma once

#include <QtGlobal>

namespace verbalink::pcm {

// 16-bit addition that wraps instead of clipping, as the client's own mixer adds call audio.
inline qint16 wrappingSum(int a, int b)
{
    return qint16(quint16(a) + quint16(b));
}

} // namespace verbalink::pcm

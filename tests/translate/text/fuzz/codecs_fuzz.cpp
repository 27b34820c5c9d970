// libFuzzer entry point over all text codecs.
#include "CodecsFuzzDriver.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString failure = verbalink::fuzz::driveCodecs(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "codec invariant broken: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}

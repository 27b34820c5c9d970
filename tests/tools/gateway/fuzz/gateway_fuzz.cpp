// libFuzzer entry point over the gateway's handling of outside bytes.
#include "GatewayFuzzDriver.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString failure = verbalink::gateway::fuzz::driveGateway(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "gateway invariant broken: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}

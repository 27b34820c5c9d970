// The receive and proxy fuzz drivers over their corpora: seeds, fixed findings and variations.
#include "FuzzReplay.h"
#include "fuzz/HttpReceiveFuzzDriver.h"
#include "fuzz/ProxyReplyFuzzDriver.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(ExchangeFuzz, ReceiveHoldsOnItsCorpus)
{
    test::expectDriverHolds(&fuzz::driveHttpReceive, QStringLiteral(HTTP_RECEIVE_CORPUS), 3000);
}

TEST(ExchangeFuzz, ProxyRepliesHoldOnTheirCorpus)
{
    test::expectDriverHolds(&fuzz::driveProxyReplies, QStringLiteral(PROXY_REPLY_CORPUS), 3000);
}

} // namespace
} // namespace verbalink

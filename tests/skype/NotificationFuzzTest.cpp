// The notification fuzz driver over its corpus: seeds, fixed findings and variations.
#include "FuzzReplay.h"
#include "fuzz/NotificationFuzzDriver.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(NotificationFuzz, DispatchHoldsOnItsCorpus)
{
    test::expectDriverHolds(&fuzz::driveNotifications, QStringLiteral(NOTIFICATION_CORPUS), 1500);
}

} // namespace
} // namespace verbalink

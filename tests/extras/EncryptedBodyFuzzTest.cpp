// The encrypted body fuzz driver over its corpus: seeds, fixed findings and variations.
#include "FuzzReplay.h"
#include "fuzz/EncryptedBodyFuzzDriver.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(EncryptedBodyFuzz, ReceivedBodiesHoldOnTheCorpus)
{
    test::expectDriverHolds(&fuzz::driveEncryptedBody, QStringLiteral(ENCRYPTED_BODY_CORPUS), 2000);
}

} // namespace
} // namespace verbalink

// The engine answer fuzz driver over its corpus: seeds, fixed findings and variations.
#include "FuzzReplay.h"
#include "fuzz/EngineAnswerFuzzDriver.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(EngineAnswerFuzz, ExtractionHoldsOnItsCorpus)
{
    test::expectDriverHolds(&fuzz::driveEngineAnswers, QStringLiteral(ENGINE_ANSWER_CORPUS), 3000);
}

} // namespace
} // namespace verbalink

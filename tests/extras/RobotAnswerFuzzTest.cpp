// The robot answer fuzz driver over its corpus: seeds, fixed findings and variations.
#include "FuzzReplay.h"
#include "fuzz/RobotAnswerFuzzDriver.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(RobotAnswerFuzz, AnswersHoldOnTheCorpus)
{
    test::expectDriverHolds(&fuzz::driveRobotAnswer, QStringLiteral(ROBOT_ANSWER_CORPUS), 2000);
}

} // namespace
} // namespace verbalink

// The settings fuzz driver over its corpus: seeds, fixed findings and variations.
#include "FuzzReplay.h"
#include "fuzz/SettingsFuzzDriver.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(SettingsFuzz, FilesAndValuesReadBackOnTheCorpus)
{
    test::expectDriverHolds(&fuzz::driveSettings, QStringLiteral(SETTINGS_CORPUS), 3000);
}

} // namespace
} // namespace verbalink

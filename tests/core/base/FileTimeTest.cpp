#include "core/base/VkrMapFile.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TFileTime Born(int64_t birth, int64_t modified) {
    return {true, birth, modified};
}

TFileTime Unborn(int64_t modified) {
    return {false, 0, modified};
}

} // namespace

TEST(FileTimeTest, BirthDecidesUnlessItCannotTellTheOrder) {
    // A dictionary copied in after its indexes: born later, though modified earlier.
    EXPECT_FALSE(CreatedBefore(Born(20, 5), Born(10, 9)));
    EXPECT_TRUE(CreatedBefore(Born(10, 9), Born(20, 5)));
    // Unpacked together in one clock tick: the archive's modification times decide.
    EXPECT_TRUE(CreatedBefore(Born(30, 5), Born(30, 9)));
    EXPECT_FALSE(CreatedBefore(Born(30, 9), Born(30, 5)));
    EXPECT_FALSE(CreatedBefore(Born(30, 9), Born(30, 9)));
    // Without a birth time on either side, modification times.
    EXPECT_TRUE(CreatedBefore(Unborn(5), Born(1, 9)));
    EXPECT_FALSE(CreatedBefore(Born(1, 9), Unborn(5)));
}

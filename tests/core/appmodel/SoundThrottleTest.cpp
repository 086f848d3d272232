#include "core/appmodel/SoundThrottle.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(SoundThrottleTest, ErrorsSoundOnlyAfterASecondOfQuiet) {
    TSoundThrottle throttle;
    EXPECT_TRUE(throttle.StatusChanged(true, 10)); // the first error of the run
    EXPECT_FALSE(throttle.StatusChanged(true, 510));
    // The quiet second counts from the last change, the silent error included.
    EXPECT_FALSE(throttle.StatusChanged(true, 1200));
    EXPECT_TRUE(throttle.StatusChanged(true, 2200));
}

TEST(SoundThrottleTest, AnyChangeRestartsTheQuietSecond) {
    TSoundThrottle throttle;
    EXPECT_FALSE(throttle.StatusChanged(false, 0));
    EXPECT_TRUE(throttle.StatusChanged(true, 1500));   // 1.5 s after an information message
    EXPECT_FALSE(throttle.StatusChanged(false, 3000)); // a progress message
    EXPECT_FALSE(throttle.StatusChanged(true, 3999));
    EXPECT_FALSE(throttle.StatusChanged(false, 5000));
    EXPECT_TRUE(throttle.StatusChanged(true, 6000));
}

} // namespace

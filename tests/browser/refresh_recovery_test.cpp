#include "browser/refresh_recovery.h"
#include "browser_fakes.h"

using namespace sg;
using sgtest::FakeClocks;

constexpr std::int64_t kMinute = 60'000;

TEST(RefreshRecovery, SleepCountsInWholeMinutesAndNeverMoreThanPassed)
{
    FakeClocks clocks;
    RefreshRecovery recovery;
    EXPECT_EQ(recovery.observe(clocks.now), 0);
    clocks.run(30'000);
    EXPECT_EQ(recovery.observe(clocks.now), 0); // awake: the minute ticks count it
    // Whole minutes with the rest carried: Refresh's wake test. What was carried belongs to the
    // period before a restart.
    clocks.sleep(50'000);
    EXPECT_EQ(recovery.observe(clocks.now), 0);
    recovery.countdownRestarted();
    clocks.sleep(20'000);
    EXPECT_EQ(recovery.observe(clocks.now), 0);

    // Reading jitter, a backward jump of the wall clock and a forward one.
    clocks.run(5'000);
    clocks.now.wallMs += 1'500;
    EXPECT_EQ(recovery.observe(clocks.now), 0);
    clocks.now.wallMs -= 3'600'000;
    EXPECT_EQ(recovery.observe(clocks.now), 0);
    clocks.now.wallMs += 2 * kMinute;
    EXPECT_EQ(recovery.observe(clocks.now), 2);
}

#include "browser/refresh_recovery.h"

#include <gtest/gtest.h>

using namespace sg;

namespace {

constexpr std::int64_t kMinute = 60'000;

// Both clocks of a machine: the monotonic clock stops while it sleeps.
struct FakeClocks {
    ClockSample now { 1'000, 1'700'000'000'000 };
    void run(std::int64_t ms) { now.monotonicMs += ms, now.wallMs += ms; }
    void sleep(std::int64_t ms) { now.wallMs += ms; }
};

} // namespace

TEST(RefreshRecovery, SleepCountsInWholeMinutesAndNeverMoreThanPassed)
{
    FakeClocks clocks;
    RefreshRecovery recovery;
    EXPECT_EQ(recovery.observe(clocks.now), 0);
    clocks.run(30'000);
    EXPECT_EQ(recovery.observe(clocks.now), 0); // awake: the minute ticks count it

    clocks.sleep(3 * kMinute + 40'000); // asleep across a refresh that fell due
    EXPECT_EQ(recovery.observe(clocks.now), 3);
    clocks.run(1'000);
    clocks.sleep(25'000); // 40 s carried + 25 s make one more minute
    EXPECT_EQ(recovery.observe(clocks.now), 1);

    // What was carried belongs to the period before a restart.
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

    recovery.setEnabled(false);
    clocks.sleep(10 * kMinute);
    EXPECT_EQ(recovery.observe(clocks.now), 0);
}

TEST(RefreshRecovery, FailedRefreshRetriesDoublingUpToTheInterval)
{
    FakeClocks clocks;
    RefreshRecovery recovery;
    recovery.observe(clocks.now);
    std::vector<std::int64_t> delays;
    for (int i = 0; i < 7; ++i) {
        const auto delay = recovery.refreshFailed(clocks.now, 5);
        ASSERT_TRUE(delay);
        delays.push_back(*delay / 1000);
        EXPECT_EQ(recovery.retryText(clocks.now),
            *delay < kMinute ? std::to_string(*delay / 1000) + "s"
                             : std::to_string(*delay / kMinute) + "m");
        clocks.run(*delay - 1);
        EXPECT_FALSE(recovery.retryDue(clocks.now)) << i;
        EXPECT_EQ(recovery.retryText(clocks.now), "1s");
        clocks.run(1);
        EXPECT_TRUE(recovery.retryDue(clocks.now)) << i;
    }
    EXPECT_EQ(delays, (std::vector<std::int64_t> { 15, 30, 60, 120, 240, 300, 300 }));

    recovery.refreshSucceeded();
    EXPECT_FALSE(recovery.retryPending());
    EXPECT_EQ(recovery.refreshFailed(clocks.now, 1), 15'000);
    EXPECT_EQ(recovery.refreshFailed(clocks.now, 1), 30'000);
    EXPECT_EQ(recovery.refreshFailed(clocks.now, 1), 60'000);
    EXPECT_EQ(recovery.refreshFailed(clocks.now, 1), 60'000);

    // Sleep counts for a pending retry too.
    clocks.sleep(2 * kMinute);
    EXPECT_TRUE(recovery.retryDue(clocks.now));

    recovery.setEnabled(false);
    EXPECT_FALSE(recovery.retryPending());
    EXPECT_EQ(recovery.refreshFailed(clocks.now, 5), std::nullopt);
}

#include "chat/pause_seconds.h"
#include "support/stepping_clock.h"

#include <gtest/gtest.h>

using tintara::pauseSeconds;

namespace
{

int yieldsOfPause(int seconds, double start, double step)
{
    SteppingClock clock(start, step);
    int yields = 0;
    pauseSeconds(seconds, clock, [&] { ++yields; });
    return yields;
}

} // namespace

TEST(PauseSeconds, PauseOfZeroWaitsForTheStartRoundedToTheNearestSecondTiesToEven)
{
    EXPECT_EQ(yieldsOfPause(0, 100.25, 0.25), 0); // start mark 100: already passed
    EXPECT_EQ(yieldsOfPause(0, 100.5, 0.25), 0);  // tie: start mark 100
    EXPECT_EQ(yieldsOfPause(0, 101.5, 0.25), 1);  // tie: start mark 102, reached at 102.0
    EXPECT_EQ(yieldsOfPause(0, 100.75, 0.25), 0); // start mark 101, reached at the first poll
}

TEST(PauseSeconds, WaitsWholeSecondsFromTheStartMark)
{
    EXPECT_EQ(yieldsOfPause(2, 50.0, 0.5), 3); // polls at 50.5, 51.0, 51.5 are short
    EXPECT_EQ(yieldsOfPause(-3, 50.0, 0.5), 0);
}

TEST(PauseSeconds, EndsAcrossMidnight)
{
    // Start mark 86400, which the clock never shows: it starts again at 0.
    EXPECT_EQ(yieldsOfPause(0, 86399.5, 0.25), 2);
    // The step over midnight counts as no time, so the pause runs one poll longer.
    EXPECT_EQ(yieldsOfPause(3, 86399.0, 0.5), 6);
}

#include "platform/clock.h"

#include "support/driven_clock.h"

#include <gtest/gtest.h>

TEST(Clocks, the_game_clock_stands_while_held_and_goes_on_from_there)
{
    const DrivenClock clock(1000);
    EXPECT_EQ(gameclock::now(), 1000u);
    gameclock::hold();
    wallclock::advance(10000);
    gameclock::hold();  // a second hold changes nothing
    EXPECT_EQ(gameclock::now(), 1000u);
    EXPECT_EQ(wallclock::now(), 11000u);
    gameclock::resume();
    wallclock::advance(33);
    EXPECT_EQ(gameclock::now(), 1033u);
    gameclock::resume();  // so does a second resume
    gameclock::hold();
    wallclock::advance(500);
    gameclock::resume();
    EXPECT_EQ(gameclock::now(), 1033u);
    EXPECT_EQ(gameclock::timeHeld(), 10500u);
    EXPECT_FALSE(gameclock::isHeld());
    gameclock::reset();
    EXPECT_EQ(gameclock::now(), wallclock::now());
}

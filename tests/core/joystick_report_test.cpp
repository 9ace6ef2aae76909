#include "core/joystick_report.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

struct FakeJoysticks : JoystickSource {
    FakeJoysticks(std::vector<std::string> names, bool openWorks) : names(std::move(names)), openWorks(openWorks) {}
    int count() override { return static_cast<int>(names.size()); }
    std::string name(int index) override { return names.at(static_cast<std::size_t>(index)); }
    bool open(int index, Counts &counts) override
    {
        opened = index;
        counts = {6, 11, 0};
        return openWorks;
    }
    void enableEvents() override { eventsEnabled = true; }

    std::vector<std::string> names;
    bool openWorks;
    int opened = -1;
    bool eventsEnabled = false;
};

}  // namespace

TEST(JoystickReport, no_joystick_under_the_dummy_driver)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    if (SDL_NumJoysticks() > 0) {
        SDL_Quit();
        GTEST_SKIP() << "a real joystick is plugged in";
    }
    testing::internal::CaptureStdout();
    EXPECT_EQ(openJoystick(), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "0\nCouldn't find a joystick\n");
    SDL_Quit();
}

TEST(JoystickReport, chooses_the_last_pad_named_360_else_the_first)
{
    FakeJoysticks pads({"Generic USB Pad", "Xbox 360 Controller"}, true);
    testing::internal::CaptureStdout();
    EXPECT_EQ(openJoystick(pads, stdout), 1);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(pads.opened, 1);
    EXPECT_TRUE(pads.eventsEnabled);
    EXPECT_EQ(out, "[ ] Generic USB Pad\n[x] Xbox 360 Controller\nOpened Joystick: 1\n"
                   "Name: Xbox 360 Controller\nNumber of Axes: 6\nNumber of Buttons: 11\n"
                   "Number of Balls: 0\n");

    // No "360": pad 0; a failed open drops the five lines but keeps the index.
    FakeJoysticks plain({"Pad One", "Pad Two"}, false);
    testing::internal::CaptureStdout();
    EXPECT_EQ(openJoystick(plain, stdout), 0);
    const std::string plainOut = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(plain.eventsEnabled);
    EXPECT_EQ(plainOut, "[ ] Pad One\n[ ] Pad Two\n");
}

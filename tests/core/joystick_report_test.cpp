#include "core/joystick_report.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

// A hand-made set of pads.
class FakeJoysticks : public JoystickSource {
public:
    explicit FakeJoysticks(std::vector<std::string> names) : names(std::move(names)) {}
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
    bool openWorks = true;
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
    const int chosen = openJoystick();
    const std::string out = testing::internal::GetCapturedStdout();
    SDL_Quit();
    EXPECT_EQ(chosen, -1);
    EXPECT_EQ(out, "0\nCouldn't find a joystick\n");
}

TEST(JoystickReport, prefers_the_last_pad_named_360)
{
    FakeJoysticks pads({"Generic USB Pad", "Xbox 360 Controller"});
    std::ostringstream out;
    EXPECT_EQ(openJoystick(pads, out), 1);
    EXPECT_EQ(pads.opened, 1);
    EXPECT_TRUE(pads.eventsEnabled);
    EXPECT_EQ(out.str(),
              "[ ] Generic USB Pad\n"
              "[x] Xbox 360 Controller\n"
              "Opened Joystick: 1\n"
              "Name: Xbox 360 Controller\n"
              "Number of Axes: 6\n"
              "Number of Buttons: 11\n"
              "Number of Balls: 0\n");

    FakeJoysticks two360({"360 A", "Pad", "360 B"});
    std::ostringstream ignored;
    EXPECT_EQ(openJoystick(two360, ignored), 2);
}

TEST(JoystickReport, first_pad_without_360_and_failed_open_keeps_the_index)
{
    FakeJoysticks pads({"Pad One", "Pad Two"});
    pads.openWorks = false;
    std::ostringstream out;
    EXPECT_EQ(openJoystick(pads, out), 0);
    EXPECT_EQ(pads.opened, 0);
    EXPECT_TRUE(pads.eventsEnabled);
    EXPECT_EQ(out.str(), "[ ] Pad One\n[ ] Pad Two\n");
}

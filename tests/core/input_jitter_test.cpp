// The moved copies of a replay that the fairness check plays.
#include "support/input_jitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

ReplayScript scriptOf(const std::string &text)
{
    std::istringstream in(text);
    ReplayScript script;
    std::string error;
    EXPECT_TRUE(parseReplayScript(in, script, error)) << error;
    return script;
}

std::vector<std::pair<int, Uint8>> framesAndTypes(const ReplayScript &script)
{
    std::vector<std::pair<int, Uint8>> out;
    for (const ReplayEvent &event : script.events)
        out.emplace_back(event.frame, event.event.type);
    return out;
}

}  // namespace

// A seed gives the same moves every time; a bound of 0 moves nothing.
TEST(InputJitter, moves_every_input_on_its_own_within_the_bound_the_same_for_a_seed)
{
    const ReplayScript script =
        scriptOf("level 3\nframes 300\nframe 0 press d\nframe 1 press w\nframe 50 release w\nframe 50 press a\n"
                 "frame 120 mouse 10 20\nframe 200 button down\n");
    std::set<int> shifts;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const ReplayScript moved = jitterScript(script, 2, seed);
        EXPECT_EQ(framesAndTypes(moved), framesAndTypes(jitterScript(script, 2, seed)));
        EXPECT_EQ(moved.startLevel, 3);
        EXPECT_EQ(moved.frames, 302);
        ASSERT_EQ(moved.events.size(), script.events.size());
        EXPECT_TRUE(std::is_sorted(moved.events.begin(), moved.events.end(),
                                   [](const ReplayEvent &a, const ReplayEvent &b) { return a.frame < b.frame; }));
        // Each written input is found again within two frames, none before 0.
        std::multiset<int> frames;
        for (const ReplayEvent &event : moved.events) {
            EXPECT_GE(event.frame, 0);
            frames.insert(event.frame);
        }
        for (const ReplayEvent &event : script.events) {
            if (event.frame >= 20) {
                const auto near = std::find_if(frames.begin(), frames.end(),
                                               [&](int frame) { return std::abs(frame - event.frame) <= 2; });
                ASSERT_NE(near, frames.end()) << "seed " << seed << ", input at " << event.frame;
                shifts.insert(*near - event.frame);
                frames.erase(near);
            }
        }
    }
    // Over many seeds every shift from -2 to 2 turns up.
    EXPECT_EQ(shifts, (std::set<int>{-2, -1, 0, 1, 2}));
    const ReplayScript unmoved = jitterScript(script, 0, 7);
    EXPECT_EQ(framesAndTypes(unmoved), framesAndTypes(script));
    EXPECT_EQ(unmoved.frames, script.frames);
}

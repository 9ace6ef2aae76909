// gorlak_replay_trace SCRIPT [EVERY]: plays a replay script on the shipped
// content and prints, every EVERY frames (default 10) and at the end, the
// frame, the list position, the player's position, velocity and state, the
// gems left and the zombies alive. For writing and mending play-throughs.
#include "support/replay_harness.h"

#include "core/collectables.h"
#include "world/zombie.h"
#include "world/world_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void printState(int frame, ReplayHarness &harness)
{
    const Player &player = harness.session().game.player;
    std::printf("frame %4d level %d at (%7.2f, %7.2f) v (%5.2f, %5.2f)%s%s depth %2d gems %d zombies %zu health %.3f\n",
                frame, harness.session().levelList.current, player.position().x, player.position().y,
                player.velocity().x, player.velocity().y, player.onGround() ? " ground" : "",
                player.swimming() ? " swim" : "", player.depth(), static_cast<int>(world.collectables.size()),
                world.zombies.size(), player.health());
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gorlak_replay_trace SCRIPT [EVERY]\n");
        return 2;
    }
    const int every = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    ReplayScript script;
    std::string error;
    if (!loadReplayScript(argv[1], script, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    if (!harness.started() || !harness.startAt(script.startLevel)) {
        return 1;
    }
    const int startLevel = harness.session().levelList.current;
    std::size_t next = 0;
    for (int frame = 0; frame < script.frames; ++frame) {
        for (; next < script.events.size() && script.events[next].frame <= frame; ++next) {
            pushEvent(script.events[next].event);
        }
        if (!harness.runFrame()) {
            return 1;
        }
        if (harness.session().levelList.current != startLevel) {
            std::printf("frame %4d: level finished\n", frame);
            return 0;
        }
        if (frame % every == 0) {
            printState(frame, harness);
        }
    }
    printState(script.frames, harness);
    return 3;
}

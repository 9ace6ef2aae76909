// The game's own program loop, quit by the test after a number of frames.
// The game has no options and the dummy video driver takes no outside
// input, so this program links the same library as the game, runs it on a
// driven clock (one frame per loop pass, no waiting) and pushes an SDL_QUIT
// after the given number of frames (default 30): the game then leaves
// through its normal quit path and returns its normal exit status.
#include "core/program.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace {

int framesLeft = 30;

void quitAfterFrames(Game &)
{
    if (--framesLeft == 0) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        framesLeft = std::max(1, std::atoi(argv[1]));
    }
    setLoopHook(quitAfterFrames);
    ProgramOptions options;
    options.drivenClock = true;
    return runProgram(options);
}

// gorlak_fairness [--tries N] [--shift F] [--need K] [--markdown] [--verbose] SCRIPT...:
// plays each replay script on the shipped content as written, then N times
// (default 10) with every input moved on its own by up to F frames earlier
// or later (default 2; try t uses the fixed seed t + 1). A script passes when
// it finishes its level as written and in at least K of the N moved tries
// (default 8). Prints one line per script with the frames the written run
// takes and the tries that finished (a Markdown table with --markdown), and
// exits with 1 when any script fails. --verbose also tells where each
// unfinished try stopped, for mending a play-through.
#include "support/input_jitter.h"
#include "support/replay_harness.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Outcome {
    bool finished = false;
    int frames = 0;
    ReplayState state;
};

Outcome playOnce(const ReplayScript &script)
{
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    Outcome outcome;
    if (!harness.started()) {
        return outcome;
    }
    outcome.frames = harness.play(script, true);
    const ReplayState state = harness.state();
    outcome.finished = state.running && state.levelIndex == script.startLevel + 1;
    outcome.state = state;
    return outcome;
}

}  // namespace

int main(int argc, char **argv)
{
    int tries = 10;
    int shift = 2;
    int need = 8;
    bool markdown = false;
    bool verbose = false;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--tries" || arg == "--shift" || arg == "--need") && i + 1 < argc) {
            const int value = std::atoi(argv[++i]);
            (arg == "--tries" ? tries : arg == "--shift" ? shift : need) = value;
        } else if (arg == "--markdown") {
            markdown = true;
        } else if (arg == "--verbose") {
            verbose = true;
        } else {
            scripts.push_back(arg);
        }
    }
    if (scripts.empty() || tries < 1 || shift < 0) {
        std::fprintf(stderr, "usage: gorlak_fairness [--tries N] [--shift F] [--need K] [--markdown] [--verbose] SCRIPT...\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (markdown) {
        std::printf("| Level | Position | Frames as recorded | Finished with inputs moved by up to %d frames |\n"
                    "| --- | ---: | ---: | ---: |\n",
                    shift);
    }
    int failed = 0;
    int finishedTotal = 0;
    for (const std::string &file : scripts) {
        ReplayScript script;
        std::string error;
        if (!loadReplayScript(file, script, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ++failed;
            continue;
        }
        const Outcome written = playOnce(script);
        int finished = 0;
        for (int t = 0; t < tries; ++t) {
            const Outcome moved = playOnce(jitterScript(script, shift, static_cast<std::uint32_t>(t + 1)));
            finished += moved.finished ? 1 : 0;
            if (verbose && !moved.finished) {
                std::printf("  try %d stopped at (%.1f, %.1f) with %d gems left\n", t + 1, moved.state.playerPosition.x,
                            moved.state.playerPosition.y, moved.state.collectablesLeft);
            }
        }
        const bool pass = written.finished && finished >= need;
        failed += pass ? 0 : 1;
        finishedTotal += pass ? 1 : 0;
        const std::string name = std::filesystem::path(file).stem().string();
        if (markdown) {
            std::printf("| %s | %d | %d%s | %d of %d |\n", name.c_str(), script.startLevel, written.frames,
                        written.finished ? "" : " (does not finish)", finished, tries);
        } else {
            std::printf("%-28s level %2d  %5d frames%s  %2d of %d finished%s\n", name.c_str(), script.startLevel,
                        written.frames, written.finished ? "" : " (does not finish!)", finished, tries,
                        pass ? "" : "  FAIL");
        }
        std::fflush(stdout);
    }
    if (!markdown) {
        std::printf("%d passed, %d failed\n", finishedTotal, failed);
    }
    return failed == 0 ? 0 : 1;
}

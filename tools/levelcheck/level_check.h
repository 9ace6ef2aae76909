// Level authoring check: reads a content directory with the game's own
// readers and reports every problem a level author has to fix, one line
// each, naming the file.
#pragma once

#include <filesystem>
#include <ostream>

struct LevelCheckResult {
    int problems = 0;
    int levels = 0;  // level files checked
};

// Checks the content in `directory` (settings.xml and data/ beneath it):
// the shared pictures, the animations the game and the messages play, the
// level list and every level it names. The working directory is changed
// for the check and put back afterwards.
LevelCheckResult checkContent(const std::filesystem::path &directory, std::ostream &report);

// levelcheck [CONTENT_DIR]: checks the level list, every level file and the
// pictures and animations they use, as the game reads them. CONTENT_DIR
// (default: the working directory) holds settings.xml and data/. Problems go
// to standard error, one line each; the exit status is 0 only when there
// are none.
#include "levelcheck/level_check.h"

#include <iostream>

int main(int argc, char **argv)
{
    if (argc > 2) {
        std::cerr << "usage: levelcheck [CONTENT_DIR]\n";
        return 2;
    }
    const std::filesystem::path directory = argc == 2 ? argv[1] : ".";
    const LevelCheckResult result = checkContent(directory, std::cerr);
    if (result.problems > 0) {
        std::cerr << result.problems << (result.problems == 1 ? " problem" : " problems") << " in "
                  << directory.string() << '\n';
        return 1;
    }
    std::cout << result.levels << " levels checked in " << directory.string() << ": all well\n";
    return 0;
}

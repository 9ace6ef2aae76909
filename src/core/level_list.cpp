#include "core/level_list.h"

#include <cstdio>

std::string LevelList::next()
{
    if (current >= 0 && current < static_cast<int>(entries.size())) {
        entries[static_cast<std::size_t>(current)].completed = true;
        current += 1;
    }
    return fileNameAt(current);
}

std::string LevelList::fileNameAt(int position) const
{
    if (position < 0 || position >= static_cast<int>(entries.size())) {
        return "";
    }
    return entries[static_cast<std::size_t>(position)].fileName;
}

bool LevelList::hasPlayableLevel() const
{
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (!entries[i].fileName.empty()) {
            return true;
        }
    }
    return false;
}

std::string LevelList::nextPlayable()
{
    if (!hasPlayableLevel()) {
        return "";
    }
    // Each pass over the list meets a named entry, so this ends.
    for (;;) {
        const std::string fileName = next();
        if (!fileName.empty()) {
            return fileName;
        }
        if (current >= static_cast<int>(entries.size())) {
            current = 0;
        } else {
            std::fprintf(stderr, "%s: position %d names no level file; skipped\n", kLevelListFile, current);
        }
    }
}

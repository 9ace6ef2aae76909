// LevelList: the ordered level files from "data/levels.xml", walked forward
// one entry per finished level. Entry 0 is never played.
#pragma once

#include <string>
#include <vector>

class XmlReader;

inline constexpr const char *kLevelListFile = "data/levels.xml";

struct LevelEntry {
    std::string fileName;
    bool completed = false;
};

class LevelList {
public:
    // Marks the current entry completed, advances, and returns the next
    // level's file name, or "" past the end.
    std::string next();
    // The entry's file name, or "" outside the list.
    std::string fileNameAt(int position) const;
    // Two-way: reads the "Level" children of the root or writes them.
    void serialize(XmlReader &reader);

    // Whether any entry names a level file.
    bool hasPlayableLevel() const;
    // The next level to play: entries without a file name are skipped with a
    // warning, and after the last entry play starts again at position 1.
    // "" only when no entry names a file.
    std::string nextPlayable();

    int current = 0;
    std::vector<LevelEntry> entries;
};

// Reads the list file into the list; false when the file has no top element.
bool loadLevelList(LevelList &list, const std::string &fileName = kLevelListFile);

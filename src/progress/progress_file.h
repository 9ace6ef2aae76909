// Kept progress: which levels of the list the player has finished, kept in
// the player's data folder between runs so that play can begin at the
// first level not finished. The file is written with the level list's own
// record; the shipped level list is never written.
#pragma once

#include "formats/level_list.h"

#include <filesystem>

// "$XDG_DATA_HOME/gorlak-zombies/progress.xml", or under
// "$HOME/.local/share" when XDG_DATA_HOME is unset or not absolute; empty
// when neither names a folder.
std::filesystem::path progressFilePath();

class ProgressFile {
public:
    explicit ProgressFile(std::filesystem::path file);

    const std::filesystem::path &path() const { return file_; }

    // Marks completed exactly the entries of the list that the file keeps
    // as completed, where both the position and the file name match (the
    // list file's own flags do not count). A missing
    // file keeps nothing, silently; a damaged or unreadable one keeps
    // nothing, with one line on standard error.
    void restore(LevelList &list) const;
    // Writes the list's completed flags, making the folder when needed. The
    // old file stays whole until the new one is complete. False, with one
    // line on standard error (once a run), when it cannot be written.
    bool save(const LevelList &list);
    // Forgets the progress: the next start begins at level 1.
    bool clear();
    // How often save() or clear() has changed the file; the web page copies
    // the file into its persistent storage after each change.
    unsigned int changes() const { return changes_; }

private:
    void warnOnce(const char *what);

    std::filesystem::path file_;
    bool warned_ = false;
    unsigned int changes_ = 0;
};

// The first list position naming a level that is not completed; 1 when
// every named level is.
int firstUnfinishedPosition(const LevelList &list);

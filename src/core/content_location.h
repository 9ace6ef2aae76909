// Finding the game's content (settings.xml and data/) whatever directory the
// game is started from, and changing into it: all data paths are relative.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

// Whether the directory holds the game's content: a readable data/levels.xml.
bool holdsContent(const std::filesystem::path &directory);
// Whether the directory has the look of content: a settings.xml or a data/.
bool looksLikeContent(const std::filesystem::path &directory);

// The places to look, in order, without repeats: the working directory; the
// executable's directory and the one above it (the repository for a build
// tree); <executable's directory>/../share/gorlak-zombies (an installed game
// moved elsewhere); <installPrefix>/share/gorlak-zombies. An empty
// executable or prefix adds nothing.
std::vector<std::filesystem::path> contentCandidates(const std::filesystem::path &workingDirectory,
                                                     const std::filesystem::path &executable,
                                                     const std::filesystem::path &installPrefix);

// The first candidate that holds content.
std::optional<std::filesystem::path> findContent(const std::vector<std::filesystem::path> &candidates);

// Changes into the first candidate that holds content. False, with one line
// on standard error listing every place looked at, when none does. When it
// passes over a first candidate that looks like content, one line on
// standard error names it and the place used instead.
bool enterContentDirectory(const std::vector<std::filesystem::path> &candidates);
// The same over the candidates of this process: its working directory, its
// executable and the prefix it was built to be installed under.
bool enterContentDirectory();

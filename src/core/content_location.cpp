#include "core/content_location.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <system_error>

#ifndef GORLAK_INSTALL_PREFIX
#define GORLAK_INSTALL_PREFIX ""
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char *kSharedContent = "share/gorlak-zombies";

void addCandidate(std::vector<fs::path> &candidates, const fs::path &directory)
{
    std::error_code error;
    fs::path normal = fs::weakly_canonical(directory, error);
    if (error) {
        normal = directory.lexically_normal();
    }
    if (std::find(candidates.begin(), candidates.end(), normal) == candidates.end()) {
        candidates.push_back(normal);
    }
}

}  // namespace

bool holdsContent(const fs::path &directory)
{
    std::error_code error;
    // settings.xml is optional (its values have defaults); the level list is not.
    const fs::path levelList = directory / "data" / "levels.xml";
    if (!fs::is_regular_file(levelList, error)) {
        return false;
    }
    std::FILE *file = std::fopen(levelList.c_str(), "r");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

bool looksLikeContent(const fs::path &directory)
{
    std::error_code error;
    return fs::exists(directory / "settings.xml", error) || fs::is_directory(directory / "data", error);
}

std::vector<fs::path> contentCandidates(const fs::path &workingDirectory, const fs::path &executable,
                                        const fs::path &installPrefix)
{
    std::vector<fs::path> candidates;
    addCandidate(candidates, workingDirectory);
    if (!executable.empty()) {
        const fs::path beside = executable.parent_path();
        addCandidate(candidates, beside);
        addCandidate(candidates, beside.parent_path());
        addCandidate(candidates, beside.parent_path() / kSharedContent);
    }
    if (!installPrefix.empty()) {
        addCandidate(candidates, installPrefix / kSharedContent);
    }
    return candidates;
}

std::optional<fs::path> findContent(const std::vector<fs::path> &candidates)
{
    for (const fs::path &candidate : candidates) {
        if (holdsContent(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

bool enterContentDirectory(const std::vector<fs::path> &candidates)
{
    const std::optional<fs::path> found = findContent(candidates);
    std::error_code error;
    if (found.has_value()) {
        // A folder that looks like content but cannot be played (a level
        // author's typo, say) is not passed over without a word.
        const fs::path &first = candidates.front();
        if (*found != first && looksLikeContent(first)) {
            std::fprintf(stderr, "%s: no readable data/levels.xml here; playing the content in %s instead\n",
                         first.string().c_str(), found->string().c_str());
        }
        fs::current_path(*found, error);
        if (!error) {
            return true;
        }
    }
    std::string places;
    for (const fs::path &candidate : candidates) {
        places += (places.empty() ? "" : ", ") + candidate.string();
    }
    std::fprintf(stderr, "no game content (data/levels.xml) found; looked in: %s\n",
                 places.c_str());
    return false;
}

bool enterContentDirectory()
{
    std::error_code error;
    const fs::path working = fs::current_path(error);
    // Linux names the running executable here; elsewhere only the working
    // directory and the install prefix are looked at.
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return enterContentDirectory(contentCandidates(working, error ? fs::path() : executable,
                                                   fs::path(GORLAK_INSTALL_PREFIX)));
}

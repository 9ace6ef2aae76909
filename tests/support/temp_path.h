// A path in the temporary folder that no other test process uses: tests of
// the same binary may run side by side.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

inline std::filesystem::path tempPath(const std::string &name)
{
    return std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "_" + name);
}

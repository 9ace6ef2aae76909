#include "core/content_location.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

TEST(ContentLocation, candidates_in_order_without_repeats)
{
    EXPECT_EQ(contentCandidates("/games/play", "/opt/gz/bin/gorlak_zombies", "/usr/local"),
              (std::vector<fs::path>{"/games/play", "/opt/gz/bin", "/opt/gz", "/opt/gz/share/gorlak-zombies",
                                     "/usr/local/share/gorlak-zombies"}));
    // Started from the build tree's parent: the repository is looked at once.
    EXPECT_EQ(contentCandidates("/src/game", "/src/game/build/gorlak_zombies", ""),
              (std::vector<fs::path>{"/src/game", "/src/game/build", "/src/game/share/gorlak-zombies"}));
}

TEST(ContentLocation, enters_the_first_place_holding_the_level_list_or_lists_where_it_looked)
{
    const fs::path root = fs::temp_directory_path() / ("content_location_" + std::to_string(getpid()));
    const fs::path saved = fs::current_path();
    const std::vector<fs::path> candidates = {root / "a", root / "b", root / "c"};
    for (const fs::path &place : candidates) {
        fs::create_directories(place / "data");
    }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(enterContentDirectory(candidates));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find((root / "a").string() + ", " + (root / "b").string()), std::string::npos) << message;
    EXPECT_EQ(fs::current_path(), saved);

    std::ofstream(root / "a" / "settings.xml") << "<GorlakSettings/>";  // settings alone is not content
    std::ofstream(root / "c" / "data" / "levels.xml") << "<LevelList/>";
    EXPECT_EQ(findContent(candidates), root / "c");
    std::ofstream(root / "b" / "data" / "levels.xml") << "<LevelList/>";
    EXPECT_EQ(findContent(candidates), root / "b");
    // The first place looks like content but has no level list: one line
    // names it and the place played instead.
    testing::internal::CaptureStderr();
    EXPECT_TRUE(enterContentDirectory(candidates));
    const std::string passedOver = testing::internal::GetCapturedStderr();
    EXPECT_NE(passedOver.find((root / "a").string() + ": no readable data/levels.xml"), std::string::npos)
        << passedOver;
    EXPECT_NE(passedOver.find((root / "b").string()), std::string::npos) << passedOver;
    EXPECT_EQ(std::count(passedOver.begin(), passedOver.end(), '\n'), 1);
    EXPECT_EQ(fs::current_path(), fs::canonical(root / "b"));
    fs::current_path(saved);

    // A first place with nothing of content in it is passed over silently.
    fs::remove_all(root / "a");
    fs::create_directories(root / "a");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(enterContentDirectory(candidates));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    fs::current_path(saved);
    fs::remove_all(root);
}

#include "core/content_location.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

// Temporary directories a, b and c; content is placed in them by hand.
struct Places {
    Places() : root(fs::temp_directory_path() / ("content_location_" + std::to_string(getpid())))
    {
        fs::remove_all(root);
        for (const char *name : {"a", "b", "c"}) {
            fs::create_directories(root / name / "data");
        }
    }
    ~Places() { fs::remove_all(root); }

    void giveContent(const char *name, bool withLevels = true) const
    {
        std::ofstream(root / name / "settings.xml") << "<GorlakSettings/>";
        if (withLevels) {
            std::ofstream(root / name / "data" / "levels.xml") << "<LevelList/>";
        }
    }

    fs::path root;
};

}  // namespace

TEST(ContentLocation, candidates_in_order_without_repeats)
{
    const auto candidates = contentCandidates("/games/play", "/opt/gz/bin/gorlak_zombies", "/usr/local");
    const std::vector<fs::path> expected = {"/games/play", "/opt/gz/bin", "/opt/gz", "/opt/gz/share/gorlak-zombies",
                                            "/usr/local/share/gorlak-zombies"};
    EXPECT_EQ(candidates, expected);

    // Started from the build tree's parent: the repository is looked at once.
    const auto fromRepository = contentCandidates("/src/game", "/src/game/build/gorlak_zombies", "");
    const std::vector<fs::path> expectedRepository = {"/src/game", "/src/game/build",
                                                      "/src/game/share/gorlak-zombies"};
    EXPECT_EQ(fromRepository, expectedRepository);
}

TEST(ContentLocation, first_place_holding_the_level_list_wins)
{
    Places places;
    const std::vector<fs::path> candidates = {places.root / "a", places.root / "b", places.root / "c"};
    EXPECT_FALSE(findContent(candidates).has_value());

    places.giveContent("a", false);  // settings alone is not content
    places.giveContent("c");
    EXPECT_EQ(findContent(candidates), places.root / "c");
    places.giveContent("b");
    EXPECT_EQ(findContent(candidates), places.root / "b");
}

TEST(ContentLocation, enters_the_content_or_lists_where_it_looked)
{
    Places places;
    const fs::path saved = fs::current_path();
    const std::vector<fs::path> candidates = {places.root / "a", places.root / "b"};

    testing::internal::CaptureStderr();
    EXPECT_FALSE(enterContentDirectory(candidates));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find((places.root / "a").string() + ", " + (places.root / "b").string()), std::string::npos)
        << message;
    EXPECT_EQ(fs::current_path(), saved);

    places.giveContent("b");
    EXPECT_TRUE(enterContentDirectory(candidates));
    EXPECT_EQ(fs::current_path(), fs::canonical(places.root / "b"));
    fs::current_path(saved);
}

// Kept progress through the real session on the test content (plain, blood,
// busy), with the progress file in a temporary data folder.
#include "progress/progress_file.h"

#include "core/game_session.h"
#include "core/program.h"
#include "support/game_fixture.h"
#include "support/scoped_env.h"
#include "support/temp_path.h"
#include "world/world_state.h"

#include <fstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path &file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Progress : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        fs::remove_all(folder);
    }
    void TearDown() override
    {
        GameFixture::TearDown();
        fs::remove_all(folder);
    }
    GameSession &session() { return *runningSession(); }
    // Every gem taken and the player in the open door.
    void finishLevel()
    {
        world.collectables.clear();
        game->player.setPosition(Vec2(world.doorRect.x + 4.0f, world.doorRect.y + 6.0f));
        runFrame();
    }
    // A new run of the program keeping its progress in the file.
    void restartProgram()
    {
        stopProgram();
        GameFixture::SetUp();
        session().keepProgress(file);
    }

    const fs::path folder = tempPath("progress");
    const fs::path file = folder / "gorlak-zombies" / "progress.xml";
};

}  // namespace

TEST_F(Progress, kept_after_each_level_resumed_at_the_first_unfinished_and_cleared_at_the_end)
{
    const std::string shippedList = readFile("data/levels.xml");
    session().keepProgress(file);
    ASSERT_TRUE(session().start());
    EXPECT_EQ(session().levelList.current, 1);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(session().progressChanges(), 0u);
    finishLevel();
    ASSERT_EQ(session().levelList.current, 2);
    EXPECT_EQ(session().progressChanges(), 1u);
    EXPECT_NE(readFile(file).find("position=\"1\" filename=\"data/levels/plain.xml\" completed=\"1\""),
              std::string::npos)
        << readFile(file);
    finishLevel();

    restartProgram();
    ASSERT_TRUE(session().start());
    EXPECT_EQ(session().levelList.current, 3);
    // The last level leads back to the first: the progress is spent.
    finishLevel();
    EXPECT_EQ(session().levelList.current, 1);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(session().progressChanges(), 1u);
    EXPECT_EQ(readFile("data/levels.xml"), shippedList);

    restartProgram();
    ASSERT_TRUE(session().start());
    EXPECT_EQ(session().levelList.current, 1);
}

TEST_F(Progress, reaching_the_outro_clears_it)
{
    const fs::path list = tempPath("progress_outro_list.xml");
    std::ofstream(list) << "<LevelList>\n  <Level position=\"1\" filename=\"data/levels/plain.xml\"/>\n"
                           "  <Level position=\"2\" filename=\"data/levels/outro.xml\"/>\n</LevelList>\n";
    ASSERT_TRUE(session().loadLevels(list.string()));
    session().keepProgress(file);
    ASSERT_TRUE(session().start());
    finishLevel();
    EXPECT_TRUE(game->outro);
    EXPECT_FALSE(fs::exists(file));
    fs::remove(list);
}

TEST_F(Progress, counts_only_matching_entries_and_survives_damage_and_unwritable_folders)
{
    fs::create_directories(file.parent_path());
    // Position 1 names another file; position 2 matches.
    std::ofstream(file) << "<LevelList>\n  <Level position=\"1\" filename=\"data/levels/other.xml\" completed=\"1\"/>\n"
                           "  <Level position=\"2\" filename=\"data/levels/blood.xml\" completed=\"1\"/>\n"
                           "</LevelList>\n";
    session().keepProgress(file);
    EXPECT_FALSE(session().levelList.entries[1].completed);
    EXPECT_TRUE(session().levelList.entries[2].completed);
    EXPECT_EQ(firstUnfinishedPosition(session().levelList), 1);

    for (const char *damaged : {"\x01\x02 not xml at all", "<GorlakSettings><Width>3</Width></GorlakSettings>"}) {
        std::ofstream(file) << damaged;
        restartProgram();  // keepProgress reads it
        ASSERT_TRUE(session().start());
        EXPECT_EQ(session().levelList.current, 1) << damaged;
    }
    testing::internal::CaptureStderr();
    restartProgram();
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find(file.string()), std::string::npos) << warning;

    // A data folder that cannot be made: one line, and play goes on.
    std::ofstream(folder / "a_file") << "";
    session().keepProgress(folder / "a_file" / "progress.xml");
    ASSERT_TRUE(session().start());
    testing::internal::CaptureStderr();
    finishLevel();
    finishLevel();
    const std::string lines = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
    EXPECT_EQ(session().progressChanges(), 0u) << "nothing was written";
    EXPECT_EQ(session().levelList.current, 3);
    EXPECT_TRUE(game->running);
}

TEST(ProgressFilePath, xdg_data_home_then_home_local_share)
{
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(progressFilePath(), fs::path("/data/home/gorlak-zombies/progress.xml"));
    }
    const ScopedEnv home("HOME", "/home/player");
    for (const char *xdg : {static_cast<const char *>(nullptr), "", "relative/path"}) {
        const ScopedEnv unset("XDG_DATA_HOME", xdg);
        EXPECT_EQ(progressFilePath(), fs::path("/home/player/.local/share/gorlak-zombies/progress.xml"));
    }
    const ScopedEnv noXdg("XDG_DATA_HOME", nullptr);
    const ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(progressFilePath(), fs::path());
}

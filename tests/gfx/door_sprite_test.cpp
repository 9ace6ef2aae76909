#include "gfx/door_sprite.h"

#include "core/startup.h"
#include "formats/animation_library.h"
#include "gfx/video.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Runs from the small test content directory, which has a door picture.
class DoorSprite : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = std::filesystem::current_path();
        std::filesystem::current_path(GORLAK_TEST_DATA_DIR "/e2e_content");
        auto closed = std::make_unique<Animation>();
        closed->name = "door_closed";
        closed->frames = {Rect{0, 0, 4, 8}};
        animationLibrary().add(std::move(closed));
    }
    void TearDown() override
    {
        resetDoorSprite();
        animationLibrary().clear();
        resetVideo();
        SDL_Quit();
        std::filesystem::current_path(saved);
    }
    std::filesystem::path saved;
};

}  // namespace

TEST_F(DoorSprite, start_up_makes_the_closed_door)
{
    ASSERT_TRUE(startUp());
    ASSERT_NE(doorSprite, nullptr);
    ASSERT_NE(doorImage, nullptr);
    EXPECT_EQ(doorSprite->image(), doorImage.get());
    ASSERT_NE(doorSprite->animation(), nullptr);
    EXPECT_EQ(doorSprite->animation()->name, "door_closed");
}

TEST_F(DoorSprite, missing_door_picture_fails_with_its_name)
{
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(createDoorSprite());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("data/gfx/door.png"), std::string::npos) << err;
    EXPECT_EQ(doorSprite, nullptr);
}

#include "gfx/door_sprite.h"

#include "formats/animation_library.h"
#include "gfx/picture_cache.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(DoorSprite, plays_the_closed_door_and_fails_with_a_line_without_its_picture)
{
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(GORLAK_TEST_DATA_DIR "/e2e_content");
    auto closed = std::make_unique<Animation>();
    closed->name = "door_closed";
    closed->frames = {Rect{0, 0, 4, 8}};
    animationLibrary().add(std::move(closed));
    ASSERT_TRUE(createDoorSprite());
    EXPECT_EQ(doorSprite->image(), doorImage.get());
    ASSERT_NE(doorSprite->animation(), nullptr);
    EXPECT_EQ(doorSprite->animation()->name, "door_closed");

    std::filesystem::current_path(std::filesystem::temp_directory_path());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(createDoorSprite());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("data/gfx/door.png"), std::string::npos) << err;
    EXPECT_EQ(doorSprite, nullptr);
    resetDoorSprite();
    animationLibrary().clear();
    std::filesystem::current_path(saved);
}

TEST(PictureCache, loads_once_and_reports_a_missing_file_once)
{
    const std::string door = GORLAK_TEST_DATA_DIR "/e2e_content/data/gfx/door.png";
    SDL_Surface *first = sharedPicture(door);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(sharedPicture(door), first);

    const std::string missing = GORLAK_TEST_DATA_DIR "/no_such_picture.png";
    testing::internal::CaptureStderr();
    EXPECT_EQ(sharedPicture(missing), nullptr);
    EXPECT_EQ(sharedPicture(missing), nullptr);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(missing), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    clearPictureCache();
}

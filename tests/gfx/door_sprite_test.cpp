#include "gfx/door_sprite.h"

#include "core/startup.h"
#include "formats/animation_library.h"
#include "gfx/video.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(DoorSprite, start_up_makes_the_closed_door_and_fails_without_its_picture)
{
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(GORLAK_TEST_DATA_DIR "/e2e_content");
    auto closed = std::make_unique<Animation>();
    closed->name = "door_closed";
    closed->frames = {Rect{0, 0, 4, 8}};
    animationLibrary().add(std::move(closed));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(startUp());
    ASSERT_NE(doorSprite, nullptr);
    EXPECT_EQ(doorSprite->image(), doorImage.get());
    ASSERT_NE(doorSprite->animation(), nullptr);
    EXPECT_EQ(doorSprite->animation()->name, "door_closed");

    std::filesystem::current_path(std::filesystem::temp_directory_path());
    EXPECT_FALSE(createDoorSprite());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("data/gfx/door.png"), std::string::npos) << err;
    EXPECT_EQ(doorSprite, nullptr);

    resetDoorSprite();
    animationLibrary().clear();
    resetVideo();
    SDL_Quit();
    std::filesystem::current_path(saved);
}

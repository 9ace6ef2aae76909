#include "core/startup.h"
#include "gfx/video.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Runs start-up code from the given directory.
class StartUp : public ::testing::Test {
protected:
    void TearDown() override
    {
        resetVideo();
        SDL_Quit();
        std::filesystem::current_path(saved);
    }
    const std::filesystem::path saved = std::filesystem::current_path();
};

}  // namespace

TEST_F(StartUp, window_world_pictures_and_caption)
{
    std::filesystem::current_path(GORLAK_TEST_DATA_DIR "/e2e_content");
    ASSERT_TRUE(initVideo(64, 48, kWindowCaption, 4, false));
    ASSERT_NE(video.screen, nullptr);
    EXPECT_TRUE(video.screen->w == 256 && video.screen->h == 192 && video.screen->format->BitsPerPixel == 32);
    EXPECT_TRUE(video.world->w == 64 && video.world->format->BytesPerPixel == 4);
    EXPECT_EQ(camera, (Rect{0, 0, 64, 48}));
    EXPECT_NE(video.lawnmowerImage, nullptr);
    char *title = nullptr;
    char *icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_STREQ(title, "Gorlak Zombies - Release 1");
    EXPECT_STREQ(icon, "Gorlak Zombies - Release 1");
}

TEST_F(StartUp, missing_picture_fails_with_message)
{
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(initVideo(64, 48, kWindowCaption, 1, false));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("data/gfx/gorlak_background.png"), std::string::npos) << err;
}

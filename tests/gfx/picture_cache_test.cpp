#include "gfx/picture_cache.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PictureCache : public ::testing::Test {
protected:
    void TearDown() override { clearPictureCache(); }
};

}  // namespace

TEST_F(PictureCache, loads_once_and_reports_a_missing_file_once)
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
}

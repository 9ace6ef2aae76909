#include "gfx/sprite.h"

#include "formats/animation_library.h"
#include "gfx/pixel_ops.h"
#include "gfx/video.h"
#include "world/clock.h"

#include <SDL_rotozoom.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

SurfacePtr makeSurface(int w, int h)
{
    SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    SDL_FillRect(s.get(), nullptr, 0);
    return s;
}

// Column x of the picture holds the opaque colour x + 1.
SurfacePtr columnPicture(int w, int h)
{
    SurfacePtr s = makeSurface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            putPixel(s.get(), x, y, 0xFF000000u + static_cast<std::uint32_t>(x + 1));
    return s;
}

void addAnimation(const std::string &name, std::vector<Rect> frames, bool loop = true)
{
    auto a = std::make_unique<Animation>();
    a->name = name;
    a->frames = std::move(frames);
    a->loop = loop;
    animationLibrary().add(std::move(a));
}

// A 16 x 16 world surface under a camera at (10, 20), a driven clock and an
// animation library with two entries.
class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gameclock::drive(1000);
        camera = Rect{10, 20, 16, 16};
        target = makeSurface(16, 16);
        addAnimation("walk", {Rect{0, 0, 4, 4}, Rect{4, 0, 4, 4}, Rect{8, 0, 4, 4}, Rect{12, 0, 4, 4}});
        addAnimation("stand", {Rect{0, 4, 2, 2}});
    }
    void TearDown() override
    {
        animationLibrary().clear();
        camera = Rect{};
        gameclock::release();
    }

    // The colour of a target pixel; the blit keeps the target's own top byte.
    std::uint32_t at(int x, int y) const { return getPixel(target.get(), x, y) & 0x00FFFFFFu; }
    int drawnPixels() const
    {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                n += at(x, y) != 0;
        return n;
    }

    SurfacePtr target;
};

using SpriteDraw = SpriteTest;
using SpriteTurn = SpriteTest;

}  // namespace

TEST_F(SpriteTest, play_keeps_the_current_animation_for_its_own_or_an_unknown_name)
{
    SurfacePtr picture = columnPicture(16, 8);
    Sprite s;
    s.setImage(picture.get());
    EXPECT_EQ(s.bounds(), (Rect{0, 0, 16, 8}));
    s.play("walk");
    ASSERT_NE(s.animation(), nullptr);
    s.setTopLeft(10, 20);
    gameclock::advance(70);
    s.draw(target.get());
    EXPECT_EQ(s.animation()->currentFrame, 2);

    s.play("walk");
    EXPECT_EQ(s.animation()->currentFrame, 2);
    EXPECT_EQ(s.animation()->elapsed, 10);
    s.play("no such animation");
    EXPECT_EQ(s.animation()->name, "walk");

    s.play("stand");
    EXPECT_EQ(s.animation()->name, "stand");
    EXPECT_EQ(s.animation()->currentFrame, 0);
    EXPECT_EQ(s.animation()->elapsed, 0);
    EXPECT_TRUE(s.animation()->playing);
}

TEST_F(SpriteDraw, frame_follows_the_clock_and_sets_source_and_size)
{
    SurfacePtr picture = columnPicture(16, 8);
    Sprite s;
    s.setImage(picture.get());
    s.setTopLeft(10, 20);
    s.play("walk");
    gameclock::advance(100);
    s.draw(target.get());
    EXPECT_EQ(s.source(), (Rect{12, 0, 4, 4}));
    EXPECT_EQ(s.bounds(), (Rect{10, 20, 4, 4}));
    // Frame 3 covers picture columns 12 to 15.
    EXPECT_EQ(at(0, 0), 0x0Du);
    EXPECT_EQ(at(3, 3), 0x10u);
    EXPECT_EQ(drawnPixels(), 16);
}

TEST_F(SpriteDraw, off_camera_sprite_neither_draws_nor_advances)
{
    SurfacePtr picture = columnPicture(16, 8);
    Sprite s;
    s.setImage(picture.get());
    s.play("walk");
    s.setTopLeft(camera.x + camera.w, 20);
    gameclock::advance(40);
    s.draw(target.get());
    EXPECT_EQ(drawnPixels(), 0);
    EXPECT_EQ(s.animation()->currentFrame, 0);
    EXPECT_EQ(s.source(), (Rect{0, 0, 16, 8}));

    // Above, left of and below the camera likewise.
    for (Rect at : {Rect{10, 20 - 8, 0, 0}, Rect{10 - 16, 20, 0, 0}, Rect{10, 36, 0, 0}}) {
        s.setTopLeft(at.x, at.y);
        s.draw(target.get());
        EXPECT_EQ(s.animation()->currentFrame, 0);
    }

    // The time spent off screen counts at the next visible draw.
    s.setTopLeft(10, 20);
    s.draw(target.get());
    EXPECT_EQ(s.animation()->currentFrame, 1);
    EXPECT_EQ(s.animation()->elapsed, 10);
}

TEST_F(SpriteDraw, clipping_at_each_camera_edge)
{
    SurfacePtr picture = columnPicture(4, 4);
    Sprite s;
    s.setImage(picture.get());

    // Left edge one pixel inside: only the rightmost column, in column 0.
    s.setTopLeft(camera.x - 4 + 1, 20);
    s.draw(target.get());
    EXPECT_EQ(drawnPixels(), 4);
    EXPECT_EQ(at(0, 0), 0x04u);
    EXPECT_EQ(at(0, 3), 0x04u);

    // Right edge: only the leftmost column, in the last column.
    SDL_FillRect(target.get(), nullptr, 0);
    s.setTopLeft(camera.x + camera.w - 1, 22);
    s.draw(target.get());
    EXPECT_EQ(drawnPixels(), 4);
    EXPECT_EQ(at(15, 2), 0x01u);
    EXPECT_EQ(at(15, 5), 0x01u);

    // Top and bottom: two rows each.
    SDL_FillRect(target.get(), nullptr, 0);
    s.setTopLeft(12, camera.y - 2);
    s.draw(target.get());
    s.setTopLeft(12, camera.y + camera.h - 2);
    s.draw(target.get());
    EXPECT_EQ(drawnPixels(), 16);
    EXPECT_EQ(at(2, 0), 0x01u);
    EXPECT_EQ(at(5, 15), 0x04u);
}

TEST_F(SpriteDraw, clipped_frame_shows_its_own_part_of_the_picture)
{
    SurfacePtr picture = columnPicture(16, 8);
    Sprite s;
    s.setImage(picture.get());
    s.play("walk");
    gameclock::advance(30);
    s.setTopLeft(10, 20);
    s.draw(target.get());  // frame 1: picture columns 4 to 7
    SDL_FillRect(target.get(), nullptr, 0);

    s.setTopLeft(camera.x - 2, 20);
    s.draw(target.get());
    EXPECT_EQ(drawnPixels(), 8);
    EXPECT_EQ(at(0, 0), 0x07u);
    EXPECT_EQ(at(1, 0), 0x08u);
    EXPECT_EQ(at(2, 0), 0u);
}

TEST_F(SpriteDraw, sprite_without_a_picture_draws_nothing)
{
    Sprite s;
    s.play("walk");
    s.setTopLeft(12, 22);
    s.draw(target.get());
    s.setAngle(1.0f);
    s.setCenter(15, 25);
    s.draw(target.get());
    EXPECT_EQ(drawnPixels(), 0);
    EXPECT_EQ(s.image(), nullptr);

    // A frame bigger than the bounds it was tested with is still clipped.
    SurfacePtr picture = columnPicture(2, 2);
    Sprite small;
    small.setImage(picture.get());
    small.play("walk");
    small.setTopLeft(camera.x - 1, 20);
    small.draw(target.get());
    EXPECT_LE(drawnPixels(), 12);
}

TEST_F(SpriteTest, set_center_with_and_without_rotation)
{
    SurfacePtr picture = columnPicture(5, 4);
    Sprite s;
    s.setImage(picture.get());
    s.setCenter(100, 50);
    EXPECT_EQ(s.bounds(), (Rect{97, 48, 5, 4}));

    s.setPivot(1, 3);
    s.setCenter(100, 50);
    EXPECT_EQ(s.bounds(), (Rect{99, 47, 5, 4}));
    ASSERT_NE(s.rotation(), nullptr);
    EXPECT_EQ(s.rotation()->topLeft, Vec2(99.0f, 47.0f));
}

TEST_F(SpriteTurn, angle_threshold_and_turning_from_the_base_picture)
{
    SurfacePtr picture = columnPicture(20, 6);
    Sprite s;
    s.setImage(picture.get());

    s.setAngle(0.0f);
    ASSERT_NE(s.rotation(), nullptr);
    EXPECT_EQ(s.rotation()->pivot, Vec2(10.0f, 3.0f));
    EXPECT_EQ(s.image(), picture.get());

    s.setAngle(1.0f);
    ASSERT_NE(s.image(), picture.get());
    const SDL_Surface *first = s.image();
    const Rect afterFirst = s.bounds();
    s.setAngle(1.005f);
    EXPECT_EQ(s.image(), first);
    EXPECT_EQ(s.bounds(), afterFirst);
    EXPECT_FLOAT_EQ(s.rotation()->angle, 1.0f);

    s.setAngle(1.01f);
    EXPECT_FLOAT_EQ(s.rotation()->angle, 1.01f);
    SurfacePtr expected(rotozoomSurface(picture.get(), 360.0 - 1.01 * 57.29578, 1.0, SMOOTHING_ON));
    EXPECT_EQ(s.image()->w, expected->w);
    EXPECT_EQ(s.image()->h, expected->h);
    EXPECT_EQ(s.bounds().w, expected->w);
    EXPECT_EQ(s.source().h, expected->h);
    EXPECT_EQ(s.baseImage(), picture.get());

    // A new picture drops the turned copy and shows the base unturned.
    SurfacePtr other = columnPicture(3, 3);
    s.setImage(other.get());
    EXPECT_EQ(s.image(), other.get());
    EXPECT_EQ(s.rotation()->angle, 0.0f);
}

TEST_F(SpriteTurn, pivot_stays_on_its_world_point_and_turns_clockwise)
{
    // A bar with a marked right end, turned about its left end.
    SurfacePtr picture = makeSurface(21, 5);
    SDL_FillRect(picture.get(), nullptr, 0xFF00FF00);
    SDL_Rect end{18, 0, 3, 5};
    SDL_FillRect(picture.get(), &end, 0xFFFF0000);
    Sprite s;
    s.setImage(picture.get());
    s.setTopLeft(100, 100);
    s.setPivot(0, 2);
    const Vec2 worldPivot(100.0f, 102.0f);

    for (float angle : {0.3f, 0.9f, 1.5707964f}) {
        s.setAngle(angle);
        const Vec2 pivot = s.rotation()->pivot + Vec2(s.bounds().x, s.bounds().y);
        EXPECT_NEAR(pivot.x, worldPivot.x, 1e-3f);
        EXPECT_NEAR(pivot.y, worldPivot.y, 1e-3f);
    }
    // A quarter turn clockwise: the bar hangs down from the pivot.
    const Vec2 center = s.rotation()->topLeft + Vec2(s.bounds().w * 0.5f, s.bounds().h * 0.5f);
    EXPECT_NEAR(center.x, 100.0f, 1.0f);
    EXPECT_NEAR(center.y, 102.0f + 10.0f, 1.0f);

    // The marked end is in the bottom rows of the turned picture.
    SDL_Surface *image = s.image();
    ASSERT_GT(image->h, image->w);
    double redRows = 0.0;
    int redCount = 0;
    for (int y = 0; y < image->h; ++y)
        for (int x = 0; x < image->w; ++x) {
            Uint8 r = 0, g = 0, b = 0, a = 0;
            SDL_GetRGBA(getPixel(image, x, y), image->format, &r, &g, &b, &a);
            if (a > 128 && r > 200 && g < 60) {
                redRows += y;
                ++redCount;
            }
        }
    ASSERT_GT(redCount, 0);
    EXPECT_GT(redRows / redCount, image->h * 0.75);
}

TEST_F(SpriteTurn, moving_a_turned_sprite_moves_its_turning_point)
{
    SurfacePtr picture = columnPicture(12, 4);
    Sprite still;
    Sprite moved;
    for (Sprite *s : {&still, &moved}) {
        s->setImage(picture.get());
        s->setTopLeft(50, 50);
        s->setAngle(0.5f);
    }
    moved.setTopLeft(moved.bounds().x + 10, moved.bounds().y - 7);
    still.setAngle(0.8f);
    moved.setAngle(0.8f);
    EXPECT_EQ(moved.bounds().x, still.bounds().x + 10);
    EXPECT_EQ(moved.bounds().y, still.bounds().y - 7);

    // setCenter on a turned sprite places its pivot.
    moved.setCenter(30, 40);
    const Vec2 pivot = moved.rotation()->pivot + Vec2(moved.bounds().x, moved.bounds().y);
    EXPECT_NEAR(pivot.x, 30.0f, 0.5f);
    EXPECT_NEAR(pivot.y, 40.0f, 0.5f);
}

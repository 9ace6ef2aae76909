#include "gfx/sprite.h"

#include "formats/animation_library.h"
#include "gfx/pixel_ops.h"
#include "gfx/video.h"
#include "world/clock.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

SurfacePtr makeSurface(int w, int h)
{
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
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

// A 16 x 16 world surface under a camera at (10, 20), a driven clock and a
// library holding "walk": four 4 x 4 frames along the top of a column picture.
class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gameclock::drive(1000);
        camera = Rect{10, 20, 16, 16};
        auto walk = std::make_unique<Animation>();
        walk->name = "walk";
        walk->frames = {Rect{0, 0, 4, 4}, Rect{4, 0, 4, 4}, Rect{8, 0, 4, 4}, Rect{12, 0, 4, 4}};
        animationLibrary().add(std::move(walk));
    }
    void TearDown() override
    {
        animationLibrary().clear();
        camera = Rect{};
        gameclock::release();
    }

    // The colour of a target pixel; the blit keeps the target's own top byte.
    std::uint32_t at(int x, int y) const { return getPixel(target.get(), x, y) & 0x00FFFFFFu; }
    int drawnPixels()
    {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                n += at(x, y) != 0;
        SDL_FillRect(target.get(), nullptr, 0);
        return n;
    }

    SurfacePtr target = makeSurface(16, 16);
    SurfacePtr sheet = columnPicture(16, 8);
};

}  // namespace

TEST_F(SpriteTest, animation_advances_only_while_visible_and_play_keeps_it_running)
{
    Sprite s;
    s.setImage(sheet.get());
    s.play("walk");
    gameclock::advance(40);
    for (Rect at : {Rect{26, 20}, Rect{10, 12}, Rect{-6, 20}, Rect{10, 36}}) {
        s.setTopLeft(at.x, at.y);
        s.draw(target.get());
    }
    EXPECT_EQ(drawnPixels(), 0);
    EXPECT_EQ(s.animation()->currentFrame, 0);
    // The time spent off screen counts at the next visible draw.
    s.setTopLeft(10, 20);
    gameclock::advance(30);
    s.draw(target.get());
    EXPECT_EQ(s.source(), (Rect{8, 0, 4, 4}));
    // Its own name or an unknown one does not restart it.
    s.play("walk");
    s.play("no such animation");
    EXPECT_EQ(s.animation()->elapsed, 10);
}

TEST_F(SpriteTest, clipping_at_the_camera_edges)
{
    SurfacePtr picture = columnPicture(4, 4);
    Sprite s;
    s.setImage(picture.get());
    // Right and bottom edges: only the top-left pixel, in the corner.
    s.setTopLeft(camera.x + camera.w - 1, camera.y + camera.h - 1);
    s.draw(target.get());
    EXPECT_EQ(at(15, 15), 1u);
    EXPECT_EQ(drawnPixels(), 1);
    // A frame clipped on the left shows its own columns: frame 1 is 4 to 7.
    s.setImage(sheet.get());
    s.play("walk");
    gameclock::advance(30);
    s.setTopLeft(camera.x - 2, 20);
    s.draw(target.get());
    EXPECT_EQ(at(0, 0), 7u);
    EXPECT_EQ(at(1, 0), 8u);
    EXPECT_EQ(drawnPixels(), 8);
}

TEST_F(SpriteTest, missing_picture_or_oversized_frame_draws_safely)
{
    Sprite none;
    none.play("walk");
    none.setAngle(1.0f);
    none.setTopLeft(12, 22);
    none.draw(target.get());
    EXPECT_EQ(drawnPixels(), 0);

    // Tested for visibility at 2 x 2, then drawn with a 4 x 4 frame that
    // lies past the picture: nothing outside the picture is shown.
    SurfacePtr tiny = columnPicture(2, 2);
    Sprite s;
    s.setImage(tiny.get());
    s.play("walk");
    s.setTopLeft(camera.x - 1, 20);
    s.draw(target.get());
    EXPECT_LE(drawnPixels(), 2);
}

TEST_F(SpriteTest, turns_clockwise_about_its_pivot_from_the_base_picture)
{
    // A bar with a red right end, turned about its left end.
    SurfacePtr picture = makeSurface(21, 5);
    SDL_FillRect(picture.get(), nullptr, 0xFF00FF00);
    SDL_Rect end{18, 0, 3, 5};
    SDL_FillRect(picture.get(), &end, 0xFFFF0000);
    Sprite s;
    s.setImage(picture.get());
    s.setTopLeft(100, 100);
    s.setPivot(0, 2);
    Rect firstTurn;
    for (float angle : {0.3f, 0.9f, 1.5707964f}) {
        s.setAngle(angle);
        firstTurn = firstTurn.w == 0 ? s.bounds() : firstTurn;
        EXPECT_NEAR(s.rotation()->pivot.x + s.bounds().x, 100.0f, 1e-3f);
        EXPECT_NEAR(s.rotation()->pivot.y + s.bounds().y, 102.0f, 1e-3f);
    }
    // A quarter turn clockwise: the bar hangs down, red end at the bottom.
    SDL_Surface *image = s.image();
    const auto red = [image](int x, int y) {
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(getPixel(image, x, y), image->format, &r, &g, &b);
        return r > 200 && g < 60;
    };
    EXPECT_TRUE(red(image->w / 2, image->h - 3) && !red(image->w / 2, 2)) << image->w << "x" << image->h;

    // Turned again from the base picture, not from a turned copy, which
    // would blur and grow; a new picture is shown unturned.
    s.setAngle(0.3f);
    EXPECT_TRUE(s.bounds().w == firstTurn.w && s.bounds().h == firstTurn.h);
    SurfacePtr other = columnPicture(3, 3);
    s.setImage(other.get());
    EXPECT_EQ(s.image(), other.get());
}

TEST_F(SpriteTest, moving_a_turned_sprite_moves_its_turning_point)
{
    Sprite still;
    Sprite moved;
    for (Sprite *s : {&still, &moved}) {
        s->setImage(sheet.get());
        s->setTopLeft(50, 50);
        s->setAngle(0.5f);
    }
    moved.setTopLeft(moved.bounds().x + 10, moved.bounds().y - 7);
    still.setAngle(0.8f);
    moved.setAngle(0.8f);
    EXPECT_EQ(moved.bounds().x, still.bounds().x + 10);
    EXPECT_EQ(moved.bounds().y, still.bounds().y - 7);
}

TEST_F(SpriteTest, frames_at_the_far_end_of_the_int_range_draw_nothing)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    for (const Rect frame : {Rect{kMax, 0, 4, 4}, Rect{0, kMax, 4, 4}, Rect{kMax - 2, kMax - 2, 4, 4},
                             Rect{std::numeric_limits<int>::min(), 0, kMax, 4}}) {
        auto far = std::make_unique<Animation>();
        far->name = "far";
        far->frames = {frame};
        animationLibrary().add(std::move(far));
        Sprite s;
        s.setImage(sheet.get());
        s.play("far");
        for (const int x : {6, 10, 20}) {
            s.setTopLeft(x, 20);
            s.draw(target.get());
        }
        EXPECT_EQ(drawnPixels(), 0) << frame.x << ", " << frame.y;
    }
}

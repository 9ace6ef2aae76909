#include "gfx/sprite.h"

#include "formats/animation_library.h"
#include "gfx/pixel_ops.h"
#include "gfx/video.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

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
        wallclock::drive(1000);
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
        wallclock::release();
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
    wallclock::advance(40);
    for (Rect at : {Rect{26, 20}, Rect{10, 12}, Rect{-6, 20}, Rect{10, 36}}) {
        s.setTopLeft(at.x, at.y);
        s.draw(target.get());
    }
    EXPECT_EQ(drawnPixels(), 0);
    EXPECT_EQ(s.animation()->currentFrame, 0);
    // The time spent off screen counts at the next visible draw.
    s.setTopLeft(10, 20);
    wallclock::advance(30);
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
    wallclock::advance(30);
    s.setTopLeft(camera.x - 2, 20);
    s.draw(target.get());
    EXPECT_EQ(at(0, 0), 7u);
    EXPECT_EQ(at(1, 0), 8u);
    EXPECT_EQ(drawnPixels(), 8);
}

TEST_F(SpriteTest, turns_clockwise_smoothly_from_the_base_picture_past_the_tolerance)
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
    // Within 0.0075 rad of the picture's angle no new picture is made.
    Rect firstTurn;
    for (const auto &[angle, turned] : {std::pair{0.3f, true}, {0.307f, false}, {0.293f, false}, {0.3076f, true},
                                        {0.9f, true}, {1.5707964f, true}}) {
        SDL_Surface *before = s.image();
        s.setAngle(angle);
        EXPECT_EQ(s.image() != before, turned) << angle;
        firstTurn = firstTurn.w == 0 ? s.bounds() : firstTurn;
        EXPECT_NEAR(s.rotation()->pivot.x + s.bounds().x, 100.0f, 1e-3f);
        EXPECT_NEAR(s.rotation()->pivot.y + s.bounds().y, 102.0f, 1e-3f);
    }
    // A quarter turn clockwise: the bar hangs down, red end at the bottom.
    SDL_Surface *image = s.image();
    const auto rgba = [](SDL_Surface *surface, int x, int y) {
        Uint8 r = 0, g = 0, b = 0, a = 0;
        SDL_GetRGBA(getPixel(surface, x, y), surface->format, &r, &g, &b, &a);
        return std::array<int, 4>{r, g, b, a};
    };
    const auto red = [&](int x, int y) { return rgba(image, x, y)[0] > 200 && rgba(image, x, y)[1] < 60; };
    EXPECT_TRUE(red(image->w / 2, image->h - 3) && !red(image->w / 2, 2)) << image->w << "x" << image->h;

    // Turned again from the base picture, not from a turned copy, which
    // would blur and grow; smoothing blends green and red where they meet.
    s.setAngle(0.3f);
    EXPECT_TRUE(s.bounds().w == firstTurn.w && s.bounds().h == firstTurn.h);
    int blended = 0;
    for (int y = 0; y < s.image()->h; ++y)
        for (int x = 0; x < s.image()->w; ++x) {
            const std::array<int, 4> c = rgba(s.image(), x, y);
            blended += c[3] == 255 && c[0] > 40 && c[0] < 215 && c[1] > 40 && c[1] < 215;
        }
    EXPECT_GT(blended, 0);
    // A new picture is shown unturned.
    SurfacePtr other = columnPicture(3, 3);
    s.setImage(other.get());
    EXPECT_EQ(s.image(), other.get());
}

// A turn moves the picture's unrounded centre about the world pivot by the
// change of angle; the new top-left, that centre less half the new size, is
// rounded as trunc(v + 0.5), which differs from other roundings left of and
// above the origin. setCenter puts the pivot, rounded the same way, on the
// point, and the unrounded centre moves along.
TEST_F(SpriteTest, turns_its_centre_about_the_pivot_rounding_as_trunc_of_v_plus_a_half)
{
    SurfacePtr picture = columnPicture(11, 8);
    const auto half = [](float v) { return static_cast<int>(v + 0.5f); };
    for (const auto &[x, y, px, py, angle] :
         {std::tuple{100, 100, -10, -3, 0.0f}, {-3, -3, 5, 4, 1.2f}, {-12, 40, -4, 2, 2.5f}, {60, -9, 14, -6, -2.0f}}) {
        Sprite s;
        s.setImage(picture.get());
        s.setTopLeft(x, y);
        s.setPivot(px, py);
        Vec2 pivot(x + px, y + py);
        Vec2 centre(x + 5.5f, y + 4.0f);
        float previous = 0.0f;
        for (const float to : {angle, angle + 0.5f}) {
            s.setAngle(to);
            const float turn = to - previous;
            previous = to;
            const Vec2 d = centre - pivot;
            const float c = std::cos(turn);
            const float sn = std::sin(turn);
            centre = pivot + Vec2(d.x * c - d.y * sn, d.x * sn + d.y * c);
            const int left = half(centre.x - static_cast<float>(s.image()->w) * 0.5f);
            const int top = half(centre.y - static_cast<float>(s.image()->h) * 0.5f);
            EXPECT_TRUE(s.bounds().x == left && s.bounds().y == top) << x << "," << y << " at " << to;
            const Vec2 moved(50 - half(pivot.x - static_cast<float>(left)) - left,
                             60 - half(pivot.y - static_cast<float>(top)) - top);
            s.setCenter(50, 60);
            EXPECT_TRUE(s.bounds().x == left + moved.x && s.bounds().y == top + moved.y) << x << "," << y;
            pivot += moved;
            centre += moved;
        }
    }
}

// Tested for visibility at the picture's size, then drawn with the frame's:
// a 4 x 4 frame past a 2 x 2 picture shows only the picture, a 7 x 13 frame
// of a 28 x 52 sheet 20 columns left of the camera shows nothing, not the
// sheet's columns right of the frame, and frames at the far end of the int
// range draw nothing. Without a picture, even turned, nothing is drawn.
TEST_F(SpriteTest, nothing_is_drawn_outside_the_frame_or_the_picture)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    SurfacePtr tiny = columnPicture(2, 2);
    SurfacePtr zombieSheet = columnPicture(28, 52);
    const struct {
        SDL_Surface *picture;
        Rect frame;
        std::vector<int> xs;
        int most;
    } cases[] = {
        {nullptr, Rect{0, 0, 4, 4}, {12}, 0},
        {tiny.get(), Rect{0, 0, 4, 4}, {camera.x - 1}, 2},
        {zombieSheet.get(), Rect{0, 0, 7, 13}, {camera.x - 20}, 0},
        {sheet.get(), Rect{kMax, 0, 4, 4}, {6, 10, 20}, 0},
        {sheet.get(), Rect{0, kMax, 4, 4}, {6, 10, 20}, 0},
        {sheet.get(), Rect{kMax - 2, kMax - 2, 4, 4}, {6, 10, 20}, 0},
        {sheet.get(), Rect{std::numeric_limits<int>::min(), 0, kMax, 4}, {6, 10, 20}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "frame at " << c.frame.x << ", " << c.frame.y << " of " << c.frame.w);
        auto frame = std::make_unique<Animation>();
        frame->name = "frame";
        frame->frames = {c.frame};
        animationLibrary().add(std::move(frame));
        Sprite s;
        if (c.picture != nullptr)
            s.setImage(c.picture);
        s.play("frame");
        if (c.picture == nullptr)
            s.setAngle(1.0f);
        for (const int x : c.xs) {
            s.setTopLeft(x, 20);
            s.draw(target.get());
        }
        EXPECT_LE(drawnPixels(), c.most);
    }
}

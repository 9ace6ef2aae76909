// Sprite drawing and turning: a frame's worth of animated sprites, and one
// new turned picture.
#include "formats/animation_library.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "platform/clock.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

SurfacePtr makePicture(int w, int h)
{
    SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    SDL_FillRect(s.get(), nullptr, 0xFF804020);
    return s;
}

// 200 sprites playing a four-frame 16 x 16 animation, spread over a
// 256 x 192 world surface, some across its edges; one frame (33 ms) apart.
void BM_DrawAnimatedSprites(benchmark::State &state)
{
    wallclock::drive(0);
    camera = Rect{0, 0, 256, 192};
    SurfacePtr world = makePicture(256, 192);
    SurfacePtr picture = makePicture(64, 16);
    auto run = std::make_unique<Animation>();
    run->name = "run";
    run->frames = {Rect{0, 0, 16, 16}, Rect{16, 0, 16, 16}, Rect{32, 0, 16, 16}, Rect{48, 0, 16, 16}};
    animationLibrary().add(std::move(run));

    std::vector<std::unique_ptr<Sprite>> sprites;
    for (int i = 0; i < 200; ++i) {
        auto s = std::make_unique<Sprite>();
        s->setImage(picture.get());
        s->play("run");
        s->setTopLeft((i * 37) % 272 - 8, (i * 53) % 208 - 8);
        sprites.push_back(std::move(s));
    }
    for (auto _ : state) {
        wallclock::advance(33);
        for (auto &s : sprites) {
            s->draw(world.get());
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 200);
    sprites.clear();
    animationLibrary().clear();
    camera = Rect{};
    wallclock::release();
}
BENCHMARK(BM_DrawAnimatedSprites);

// A 16 x 8 picture (the lawnmower's size) turned to a new angle each time.
void BM_SetAngleSmallPicture(benchmark::State &state)
{
    SurfacePtr picture = makePicture(16, 8);
    Sprite sprite;
    sprite.setImage(picture.get());
    sprite.setCenter(100, 100);
    float angle = 0.0f;
    for (auto _ : state) {
        angle += 0.05f;
        if (angle > 6.28f) {
            angle = 0.0f;
        }
        sprite.setAngle(angle);
        benchmark::DoNotOptimize(sprite.image());
    }
}
BENCHMARK(BM_SetAngleSmallPicture);

}  // namespace

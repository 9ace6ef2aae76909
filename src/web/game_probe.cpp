// What the browser tests read of the game in the page: the camera, the
// player, the aim and the lawnmower's place, published on request as
// window.gorlak.probe (Module._gorlak_probe()).
#include "core/game.h"
#include "core/program.h"
#include "gfx/video.h"
#include "web/level_run.h"

#include <emscripten.h>

#include <cstdio>

namespace {

EM_JS(void, pagePublishProbe, (const char *json), {
    if (window['gorlak']) window['gorlak']['probe'] = JSON.parse(UTF8ToString(json));
});

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void gorlak_probe()
{
    const Game *game = levelRunGame() != nullptr ? levelRunGame() : runningGame();
    if (game == nullptr) {
        pagePublishProbe("null");
        return;
    }
    const Vec2 centre = game->player.centre();
    const Rect mower = game->lawnmower->bounds();
    char json[512];
    std::snprintf(json, sizeof json,
                  "{\"camera\":[%d,%d,%d,%d],\"player\":[%.3f,%.3f],\"aim\":%.5f,\"keyboardAndMouse\":%s,"
                  "\"mower\":[%d,%d,%d,%d],\"groundColor\":%u,\"pixelSize\":%d}",
                  camera.x, camera.y, camera.w, camera.h, static_cast<double>(centre.x),
                  static_cast<double>(centre.y), static_cast<double>(game->player.aimAngle()),
                  game->kbMouseMode ? "true" : "false", mower.x, mower.y, mower.w, mower.h, groundColor,
                  pixelSize);
    pagePublishProbe(json);
}

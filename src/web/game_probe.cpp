// What the browser tests read of the game in the page: the camera, the
// player, the aim, the lawnmower's place, the level, the pause and the
// sound, published on request as window.gorlak.probe (Module._gorlak_probe()).
// The tests also take the player through a level's door at once
// (Module._gorlak_finish_level()).
#include "core/game.h"
#include "core/game_session.h"
#include "core/program.h"
#include "gfx/video.h"
#include "web/level_run.h"

#include <SDL_mixer.h>
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

EM_JS(void, pagePublishProbe, (const char *json), {
    if (window['gorlak']) window['gorlak']['probe'] = JSON.parse(UTF8ToString(json));
});

// The browser's audio as the page's mixer has it: "running", "suspended" or
// "closed", or "none" before the mixer has made it.
EM_JS(char *, audioState, (), {
    var state = SDL.audioContext ? SDL.audioContext.state : 'none';
    return allocateUTF8(state);
});

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void gorlak_probe()
{
    const Game *game = levelRunGame() != nullptr ? levelRunGame() : runningGame();
    if (game == nullptr) {
        pagePublishProbe("null");
        return;
    }
    const GameSession *session = runningSession();
    const std::string level = session != nullptr ? session->levelList.fileNameAt(session->levelList.current) : "";
    const bool sound = runningSound() != nullptr;
    char *audio = audioState();
    const Vec2 centre = game->player.centre();
    const Rect mower = game->lawnmower->bounds();
    char json[768];
    std::snprintf(json, sizeof json,
                  "{\"camera\":[%d,%d,%d,%d],\"player\":[%.3f,%.3f],\"aim\":%.5f,\"keyboardAndMouse\":%s,"
                  "\"mower\":[%d,%d,%d,%d],\"groundColor\":%u,\"pixelSize\":%d,\"level\":\"%s\",\"paused\":%s,"
                  "\"sound\":%s,\"soundsPlaying\":%d,\"audio\":\"%s\"}",
                  camera.x, camera.y, camera.w, camera.h, static_cast<double>(centre.x),
                  static_cast<double>(centre.y), static_cast<double>(game->player.aimAngle()),
                  game->kbMouseMode ? "true" : "false", mower.x, mower.y, mower.w, mower.h, groundColor,
                  pixelSize, level.c_str(), game->paused ? "true" : "false", sound ? "true" : "false",
                  sound ? Mix_Playing(-1) : 0, audio);
    std::free(audio);
    pagePublishProbe(json);
}

// As if the player had entered the open door: the next pass loads the next
// level and keeps the progress.
extern "C" EMSCRIPTEN_KEEPALIVE void gorlak_finish_level()
{
    Game *game = runningGame();
    if (game != nullptr && !game->outro) {
        game->levelFinished = true;
    }
}

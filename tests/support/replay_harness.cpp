#include "replay_harness.h"

#include "core/collectables.h"
#include "core/startup.h"
#include "gfx/scene_render.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/clock.h"
#include "world/grid_simulation.h"
#include "world/level_markers.h"
#include "world/random.h"
#include "world/zombie.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

constexpr std::uint32_t kFrameMs = 33;

bool keyByName(const std::string &name, SDLKey &key)
{
    static const std::map<std::string, SDLKey> keys = {
        {"w", SDLK_w},         {"a", SDLK_a},           {"s", SDLK_s},         {"d", SDLK_d},
        {"escape", SDLK_ESCAPE}, {"space", SDLK_SPACE}, {"up", SDLK_UP},       {"down", SDLK_DOWN},
        {"left", SDLK_LEFT},   {"right", SDLK_RIGHT},   {"return", SDLK_RETURN},
    };
    const auto found = keys.find(name);
    if (found == keys.end()) {
        return false;
    }
    key = found->second;
    return true;
}

bool upOrDown(const std::string &word, bool &down)
{
    if (word != "up" && word != "down") {
        return false;
    }
    down = word == "down";
    return true;
}

// One "frame N ..." command; false when its words make no event.
bool parseEvent(std::istringstream &words, SDL_Event &event)
{
    std::string command;
    words >> command;
    if (command == "press" || command == "release") {
        std::string name;
        SDLKey key = SDLK_UNKNOWN;
        if (!(words >> name) || !keyByName(name, key)) {
            return false;
        }
        event = keyEvent(key, command == "press");
        return true;
    }
    if (command == "mouse") {
        int x = 0;
        int y = 0;
        if (!(words >> x >> y) || x < 0 || y < 0 || x > 65535 || y > 65535) {
            return false;
        }
        event = mouseMotionEvent(x, y);
        return true;
    }
    std::string state;
    bool down = false;
    if (command == "button") {
        if (!(words >> state) || !upOrDown(state, down)) {
            return false;
        }
        event = mouseButtonEvent(SDL_BUTTON_LEFT, down);
        return true;
    }
    int index = 0;
    if (!(words >> index) || index < 0 || index > 255) {
        return false;
    }
    if (command == "joybutton") {
        if (!(words >> state) || !upOrDown(state, down)) {
            return false;
        }
        event = joyButtonEvent(static_cast<Uint8>(index), down);
        return true;
    }
    int value = 0;
    if (!(words >> value)) {
        return false;
    }
    if (command == "axis" && value >= -32768 && value <= 32767) {
        event = joyAxisEvent(static_cast<Uint8>(index), static_cast<Sint16>(value));
        return true;
    }
    if (command == "hat" && value >= 0 && value <= 15) {
        event = joyHatEvent(static_cast<Uint8>(index), static_cast<Uint8>(value));
        return true;
    }
    return false;
}

}  // namespace

bool parseReplayScript(std::istream &in, ReplayScript &script, std::string &error)
{
    std::string line;
    int lineNumber = 0;
    int explicitFrames = -1;
    while (std::getline(in, line)) {
        lineNumber += 1;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string command;
        if (!(words >> command)) {
            continue;
        }
        bool good = false;
        if (command == "level") {
            good = static_cast<bool>(words >> script.startLevel) && script.startLevel > 0;
        } else if (command == "frames") {
            good = static_cast<bool>(words >> explicitFrames) && explicitFrames >= 0;
        } else if (command == "frame") {
            ReplayEvent event;
            good = static_cast<bool>(words >> event.frame) && event.frame >= 0 && parseEvent(words, event.event);
            if (good) {
                script.events.push_back(event);
            }
        }
        std::string extra;
        if (!good || (words >> extra)) {
            error = "line " + std::to_string(lineNumber) + ": cannot read \"" + line + "\"";
            return false;
        }
    }
    // Events of one frame keep their order.
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const ReplayEvent &a, const ReplayEvent &b) { return a.frame < b.frame; });
    const int lastEventFrame = script.events.empty() ? 0 : script.events.back().frame + 1;
    script.frames = explicitFrames >= 0 ? explicitFrames : lastEventFrame;
    return true;
}

bool loadReplayScript(const std::filesystem::path &file, ReplayScript &script, std::string &error)
{
    std::ifstream in(file);
    if (!in) {
        error = file.string() + ": cannot open";
        return false;
    }
    if (!parseReplayScript(in, script, error)) {
        error = file.string() + ": " + error;
        return false;
    }
    return true;
}

SDL_Event keyEvent(SDLKey key, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event mouseMotionEvent(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event mouseButtonEvent(Uint8 button, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.type = event.type;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

SDL_Event joyAxisEvent(Uint8 axis, Sint16 value)
{
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    return event;
}

SDL_Event joyHatEvent(Uint8 hat, Uint8 value)
{
    SDL_Event event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.type = SDL_JOYHATMOTION;
    event.jhat.hat = hat;
    event.jhat.value = value;
    return event;
}

SDL_Event joyButtonEvent(Uint8 button, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.type = event.type;
    event.jbutton.button = button;
    event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

ReplayHarness::ReplayHarness(const std::filesystem::path &contentDirectory, unsigned int seed)
{
    savedDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(contentDirectory);
    gameclock::drive(100000);
    if (!startUp()) {
        return;
    }
    // Start-up seeds from the time; the replay needs its own seed.
    seedRandom(seed);
    std::srand(seed);
    session_ = std::make_unique<GameSession>();
    session_->addJoystick(0);
    started_ = session_->loadLevels();
}

ReplayHarness::~ReplayHarness()
{
    session_.reset();
    resetProgramState();
    SDL_Quit();
    gameclock::release();
    std::filesystem::current_path(savedDirectory_);
}

bool ReplayHarness::startAt(int position)
{
    return started_ && session_->startAt(position);
}

void ReplayHarness::push(const SDL_Event &event)
{
    SDL_Event copy = event;
    SDL_PushEvent(&copy);
}

bool ReplayHarness::runFrame()
{
    gameclock::advance(kFrameMs);
    frame_ += 1;
    return session_->runFrame();
}

int ReplayHarness::play(const ReplayScript &script, bool stopOnNextLevel)
{
    if (!startAt(script.startLevel)) {
        return 0;
    }
    const int startLevel = session_->levelList.current;
    std::size_t next = 0;
    for (int frame = 0; frame < script.frames; ++frame) {
        while (next < script.events.size() && script.events[next].frame <= frame) {
            push(script.events[next].event);
            next += 1;
        }
        if (!runFrame()) {
            return frame + 1;
        }
        if (stopOnNextLevel && session_->levelList.current != startLevel) {
            return frame + 1;
        }
    }
    return script.frames;
}

ReplayState ReplayHarness::state() const
{
    ReplayState state;
    if (session_ == nullptr) {
        return state;
    }
    const Game &game = session_->game;
    state.levelIndex = session_->levelList.current;
    state.outro = game.outro;
    state.running = game.running;
    state.playerPosition = game.player.position();
    state.collectablesLeft = static_cast<int>(collectables.size());
    state.zombiesAlive = static_cast<int>(
        std::count_if(zombies.begin(), zombies.end(), [](const auto &zombie) { return !zombie->dead; }));
    state.bloodCells = worldGrid().bloodCellCount();
    state.particles = static_cast<int>(particles.size());
    state.gridHash = gridHash();
    return state;
}

std::uint64_t gridHash()
{
    const CellGrid &grid = worldGrid();
    std::uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            const Cell *cell = grid.cellAt(x, y);
            hash ^= static_cast<std::uint64_t>(cell == nullptr ? 0 : cell->kind());
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

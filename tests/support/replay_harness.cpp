#include "replay_harness.h"

#include "core/collectables.h"
#include "core/program.h"
#include "world/cell_grid.h"
#include "world/world_state.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// One "frame N ..." command; false when its words make no event.
bool parseEvent(std::istringstream &words, SDL_Event &event)
{
    static const std::map<std::string, SDLKey> keys = {
        {"w", SDLK_w},         {"a", SDLK_a},           {"s", SDLK_s},         {"d", SDLK_d},
        {"escape", SDLK_ESCAPE}, {"space", SDLK_SPACE}, {"up", SDLK_UP},       {"down", SDLK_DOWN},
        {"left", SDLK_LEFT},   {"right", SDLK_RIGHT},   {"return", SDLK_RETURN}, {"r", SDLK_r},
        {"p", SDLK_p},         {"f11", SDLK_F11},
    };
    std::string command;
    std::string word;
    words >> command;
    if (command == "press" || command == "release") {
        const auto key = (words >> word) ? keys.find(word) : keys.end();
        if (key == keys.end()) {
            return false;
        }
        event = keyEvent(key->second, command == "press");
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
    if (command == "button" && (words >> word) && (word == "up" || word == "down")) {
        event = mouseButtonEvent(SDL_BUTTON_LEFT, word == "down");
        return true;
    }
    return false;
}

// FNV-1a over the kind of every grid slot.
std::uint64_t gridHash()
{
    const CellGrid &grid = world.grid;
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
    event.motion.type = event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event mouseButtonEvent(Uint8 button, bool down)
{
    SDL_Event event{};
    event.button.type = event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

SDL_Event joyAxisEvent(Uint8 axis, Sint16 value)
{
    SDL_Event event{};
    event.jaxis = {SDL_JOYAXISMOTION, 0, axis, value};
    return event;
}

SDL_Event joyHatEvent(Uint8 hat, Uint8 value)
{
    SDL_Event event{};
    event.jhat = {SDL_JOYHATMOTION, 0, hat, value};
    return event;
}

SDL_Event joyButtonEvent(Uint8 button, bool down)
{
    SDL_Event event{};
    event.jbutton = {static_cast<Uint8>(down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP), 0, button,
                     static_cast<Uint8>(down ? SDL_PRESSED : SDL_RELEASED)};
    return event;
}

void pushEvent(SDL_Event event)
{
    SDL_PushEvent(&event);
}

ReplayHarness::ReplayHarness(const std::filesystem::path &contentDirectory, unsigned int seed)
{
    const ProgramOptions options = ProgramOptions::reproducible(contentDirectory, seed);
    if (startProgram(options)) {
        session_ = runningSession();
        // Scripts and the soak steer through joystick 0 without opening one.
        session_->addJoystick(0);
    }
}

ReplayHarness::~ReplayHarness()
{
    stopProgram();
}

bool ReplayHarness::runFrame()
{
    return runOneFrame() != ProgramState::Failed;
}

int ReplayHarness::play(const ReplayScript &script, bool stopOnNextLevel)
{
    if (!startAt(script.startLevel)) {
        return 0;
    }
    const int startLevel = session_->levelList.current;
    std::size_t next = 0;
    for (int frame = 0; frame < script.frames; ++frame) {
        for (; next < script.events.size() && script.events[next].frame <= frame; ++next) {
            pushEvent(script.events[next].event);
        }
        if (!runFrame() || (stopOnNextLevel && session_->levelList.current != startLevel)) {
            return frame + 1;
        }
    }
    return script.frames;
}

ReplayState ReplayHarness::state() const
{
    return session_ != nullptr ? captureState(*session_) : ReplayState{};
}

ReplayState captureState(const GameSession &session)
{
    ReplayState state;
    state.levelIndex = session.levelList.current;
    state.running = session.game.running;
    state.playerPosition = session.game.player.position();
    state.collectablesLeft = static_cast<int>(world.collectables.size());
    state.bloodCells = world.grid.bloodCellCount();
    state.gridHash = gridHash();
    return state;
}

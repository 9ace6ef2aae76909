// The joystick at start-up in the browser. The browser lists gamepads in
// slots, most of them empty; only slots that hold a pad count, so the report
// names real pads and the game never opens an empty slot.
#include "core/joystick_report.h"

#include <SDL.h>

#include <cstdio>
#include <vector>

namespace {

class BrowserGamepads : public JoystickSource {
public:
    BrowserGamepads()
    {
        const int slotCount = SDL_NumJoysticks();
        for (int slot = 0; slot < slotCount; ++slot) {
            if (SDL_JoystickName(slot) != nullptr) {
                slots.push_back(slot);
            }
        }
    }

    int count() override { return static_cast<int>(slots.size()); }

    std::string name(int index) override
    {
        // A pad taken away since the count leaves its slot empty again.
        const char *text = SDL_JoystickName(slotOf(index));
        return text == nullptr ? std::string() : std::string(text);
    }

    bool open(int index, Counts &counts) override
    {
        SDL_Joystick *joystick = SDL_JoystickOpen(slotOf(index));
        if (joystick == nullptr) {
            return false;
        }
        counts.axes = SDL_JoystickNumAxes(joystick);
        counts.buttons = SDL_JoystickNumButtons(joystick);
        counts.balls = SDL_JoystickNumBalls(joystick);
        return true;
    }

    void enableEvents() override { SDL_JoystickEventState(SDL_ENABLE); }

    int slotOf(int index) const { return slots[static_cast<std::size_t>(index)]; }

private:
    std::vector<int> slots;
};

}  // namespace

int openJoystick()
{
    BrowserGamepads gamepads;
    const int chosen = openJoystick(gamepads, stdout);
    // Joystick events name the slot.
    return chosen < 0 ? chosen : gamepads.slotOf(chosen);
}

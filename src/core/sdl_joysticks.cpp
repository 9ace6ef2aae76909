// The joystick at start-up on the desktop: SDL's joysticks.
#include "core/joystick_report.h"

#include <SDL.h>

#include <cstdio>

namespace {

class SdlJoysticks : public JoystickSource {
public:
    int count() override { return SDL_NumJoysticks(); }

    std::string name(int index) override
    {
        const char *text = SDL_JoystickName(index);
        return text == nullptr ? std::string() : std::string(text);
    }

    // The handle stays open for the rest of the run; SDL closes it at exit.
    bool open(int index, Counts &counts) override
    {
        SDL_Joystick *joystick = SDL_JoystickOpen(index);
        if (joystick == nullptr) {
            return false;
        }
        counts.axes = SDL_JoystickNumAxes(joystick);
        counts.buttons = SDL_JoystickNumButtons(joystick);
        counts.balls = SDL_JoystickNumBalls(joystick);
        return true;
    }

    void enableEvents() override { SDL_JoystickEventState(SDL_ENABLE); }
};

}  // namespace

int openJoystick()
{
    SdlJoysticks joysticks;
    return openJoystick(joysticks, stdout);
}

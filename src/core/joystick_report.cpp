#include "core/joystick_report.h"

#include <SDL.h>

#include <iostream>

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

int openJoystick(JoystickSource &source, std::ostream &out)
{
    const int count = source.count();
    if (count < 1) {
        out << count << std::endl;
        out << "Couldn't find a joystick" << std::endl;
        return -1;
    }
    // An Xbox 360 pad has the axis layout the controls expect, so it is
    // preferred over whatever else is plugged in.
    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        const std::string name = source.name(i);
        if (name.find("360") != std::string::npos) {
            chosen = i;
            out << "[x] ";
        } else {
            out << "[ ] ";
        }
        out << name << std::endl;
    }
    JoystickSource::Counts counts;
    if (source.open(chosen, counts)) {
        out << "Opened Joystick: " << chosen << std::endl;
        out << "Name: " << source.name(chosen) << std::endl;
        out << "Number of Axes: " << counts.axes << std::endl;
        out << "Number of Buttons: " << counts.buttons << std::endl;
        out << "Number of Balls: " << counts.balls << std::endl;
    }
    source.enableEvents();
    return chosen;
}

int openJoystick()
{
    SdlJoysticks joysticks;
    return openJoystick(joysticks, std::cout);
}

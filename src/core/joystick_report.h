// Choosing and opening the joystick at start-up, with the report on standard
// output that tells the player which pad the game listens to.
#pragma once

#include <cstdio>
#include <string>

// The joystick facts the report needs; the SDL joystick subsystem in the
// game, a hand-made set of pads in tests.
class JoystickSource {
public:
    struct Counts {
        int axes = 0;
        int buttons = 0;
        int balls = 0;
    };

    virtual ~JoystickSource() = default;
    virtual int count() = 0;
    // Empty when the name is unknown.
    virtual std::string name(int index) = 0;
    // Opens the joystick and fills in its counts; false when it cannot.
    virtual bool open(int index, Counts &counts) = 0;
    // Lets joystick events into the event queue.
    virtual void enableEvents() = 0;
};

// Chooses the last pad whose name contains "360" (else pad 0), opens it and
// writes the report to `out`, flushing every line. Returns the chosen index,
// also when opening failed, or -1 when there is no joystick.
int openJoystick(JoystickSource &source, std::FILE *out);

// The same with SDL's joysticks, reporting on standard output. Needs SDL
// initialised with SDL_INIT_JOYSTICK. Returns the index joystick events
// carry. (core/sdl_joysticks.cpp on the desktop, web/web_joysticks.cpp in
// the browser.)
int openJoystick();

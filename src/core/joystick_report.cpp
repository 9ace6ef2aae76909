#include "core/joystick_report.h"

#include <iostream>

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

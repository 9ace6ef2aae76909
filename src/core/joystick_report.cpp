#include "core/joystick_report.h"

namespace {

// One line of the report, flushed at once so that the player sees it even if
// the game stops right after.
void reportLine(std::FILE *out, const std::string &line)
{
    std::fwrite(line.data(), 1, line.size(), out);
    std::fputc('\n', out);
    std::fflush(out);
}

}  // namespace

int openJoystick(JoystickSource &source, std::FILE *out)
{
    const int count = source.count();
    if (count < 1) {
        reportLine(out, std::to_string(count));
        reportLine(out, "Couldn't find a joystick");
        return -1;
    }
    // An Xbox 360 pad has the axis layout the controls expect, so it is
    // preferred over whatever else is plugged in.
    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        const std::string name = source.name(i);
        const bool preferred = name.find("360") != std::string::npos;
        if (preferred) {
            chosen = i;
        }
        reportLine(out, (preferred ? "[x] " : "[ ] ") + name);
    }
    JoystickSource::Counts counts;
    if (source.open(chosen, counts)) {
        reportLine(out, "Opened Joystick: " + std::to_string(chosen));
        reportLine(out, "Name: " + source.name(chosen));
        reportLine(out, "Number of Axes: " + std::to_string(counts.axes));
        reportLine(out, "Number of Buttons: " + std::to_string(counts.buttons));
        reportLine(out, "Number of Balls: " + std::to_string(counts.balls));
    }
    source.enableEvents();
    return chosen;
}

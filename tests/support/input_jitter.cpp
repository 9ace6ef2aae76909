#include "input_jitter.h"

#include <algorithm>
#include <random>

ReplayScript jitterScript(const ReplayScript &script, int maxShift, std::uint32_t seed)
{
    ReplayScript moved = script;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> shift(-maxShift, maxShift);
    for (ReplayEvent &event : moved.events) {
        event.frame = std::max(0, event.frame + shift(random));
    }
    std::stable_sort(moved.events.begin(), moved.events.end(),
                     [](const ReplayEvent &a, const ReplayEvent &b) { return a.frame < b.frame; });
    moved.frames = script.frames + maxShift;
    return moved;
}

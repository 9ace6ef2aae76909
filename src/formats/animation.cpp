#include "formats/animation.h"

#include <cstdint>

void Animation::advance(std::int32_t dt)
{
    // The library never holds such an animation; one built by hand that has
    // no frames or no frame length stays where it is instead of dividing by
    // zero or indexing nothing.
    if (!playing || frames.empty() || FrameLength <= 0 || dt < 0) {
        return;
    }
    // 64-bit sums: a sprite left off screen for weeks must not overflow.
    const std::int64_t total = static_cast<std::int64_t>(elapsed) + dt;
    const std::int64_t steps = total / FrameLength;
    const std::int64_t count = static_cast<std::int64_t>(frames.size());
    std::int64_t frame = static_cast<std::int64_t>(currentFrame) + steps;
    if (frame < 0 || frame >= count) {
        if (loop) {
            frame = ((frame % count) + count) % count;
        } else {
            playing = false;
            frame = count - 1;
        }
    }
    currentFrame = static_cast<std::int32_t>(frame);
    elapsed = static_cast<std::int32_t>(total - steps * FrameLength);
}

// The browser's side of a loop: it calls one pass per callback and waits
// between passes as long as the pass asks, the browser's counterpart of the
// desktop loop's sleep (core/program.h).
#pragma once

#include <cstdint>

enum class PassResult { Waited, Frame, Finished };

struct BrowserLoop {
    // One pass: whether it ran a frame, or the loop is over.
    PassResult (*pass)();
    // Milliseconds to wait before the next pass.
    std::uint32_t (*msUntilNextPass)();
    // Called once after the last pass.
    void (*finish)();
};

// Hands the loop to the browser and returns; the passes run from the
// browser's timer, each frame's work timed for the page (page::frameRan).
void runInBrowser(const BrowserLoop &loop);

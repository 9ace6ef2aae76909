#include "web/browser_loop.h"

#include "web/page.h"

#include <emscripten.h>

#include <cmath>

namespace {

BrowserLoop running{};

void onBrowserCallback(void *)
{
    const double start = emscripten_get_now();
    const PassResult result = running.pass();
    if (result == PassResult::Frame) {
        page::frameRan(start, emscripten_get_now() - start);
    }
    if (result == PassResult::Finished) {
        emscripten_cancel_main_loop();
        running.finish();
        return;
    }
    // The browser counts the wait from the start of this pass.
    const double passMs = emscripten_get_now() - start;
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT,
                                    static_cast<int>(std::ceil(passMs)) + static_cast<int>(running.msUntilNextPass()));
}

}  // namespace

void runInBrowser(const BrowserLoop &loop)
{
    running = loop;
    // The first pass comes with the next animation frame; each pass then
    // sets the timer for the next.
    emscripten_set_main_loop_arg(onBrowserCallback, nullptr, 0, 0);
}

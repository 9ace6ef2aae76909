#include "web/page.h"

#include <emscripten.h>

#include <cstddef>
#include <vector>

namespace {

// The page's canvas wants R, G, B, A bytes.
std::vector<std::uint32_t> canvasPixels;

// Each call goes to the page's handler of that name on Module, when there
// is one.
EM_JS(void, pageSetPixelSize, (int pixelSize), {
    if (Module['gorlakSetPixelSize']) Module['gorlakSetPixelSize'](pixelSize);
});

EM_JS(void, pagePutPixels, (const void *pixels, int width, int height), {
    var context = Module['canvas'].getContext('2d');
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    context.putImageData(new ImageData(bytes, width, height), 0, 0);
});

EM_JS(void, pageFrameRan, (double startMs, double workMs), {
    if (Module['gorlakFrameRan']) Module['gorlakFrameRan'](startMs, workMs);
});

EM_JS(int, pageSoundAllowed, (), {
    return Module['gorlakSoundAllowed'] ? 1 : 0;
});

EM_JS(int, pageCanPlaySound, (), {
    var webAudio = typeof AudioContext !== 'undefined' || typeof webkitAudioContext !== 'undefined';
    var opus = typeof Audio !== 'undefined' && new Audio().canPlayType('audio/ogg; codecs=opus') !== '';
    return webAudio && opus ? 1 : 0;
});

EM_JS(void, pageStarted, (), {
    if (Module['gorlakStarted']) Module['gorlakStarted']();
});

EM_JS(void, pageEnded, (int status), {
    if (Module['gorlakEnded']) Module['gorlakEnded'](status);
});

}  // namespace

namespace page {

void setPixelSize(int pixelSize)
{
    pageSetPixelSize(pixelSize);
}

void showPicture(const std::uint32_t *pixels, int width, int height, int pitch)
{
    canvasPixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::uint32_t *out = canvasPixels.data();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const std::uint32_t *>(reinterpret_cast<const std::uint8_t *>(pixels) +
                                                                 static_cast<std::ptrdiff_t>(y) * pitch);
        // 0x00RRGGBB becomes the bytes R, G, B, 255 (0xFFBBGGRR read as one
        // little-endian word).
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = in[x];
            *out++ = 0xFF000000u | ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
        }
    }
    pagePutPixels(canvasPixels.data(), width, height);
}

void frameRan(double startMs, double workMs)
{
    pageFrameRan(startMs, workMs);
}

bool soundAllowed()
{
    return pageSoundAllowed() != 0;
}

bool canPlaySound()
{
    return pageCanPlaySound() != 0;
}

void started()
{
    pageStarted();
}

void ended(int status)
{
    pageEnded(status);
}

}  // namespace page

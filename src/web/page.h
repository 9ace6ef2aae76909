// The game's side of the web page it runs in (web/page.js): what it tells
// the page, and the one way its pictures reach the page's canvas.
#pragma once

#include <cstdint>

namespace page {

// The game is shown at this many screen pixels per world pixel; the page
// enlarges the canvas by it (or by less when the window is too small).
void setPixelSize(int pixelSize);

// Puts a picture of width x height pixels, in the game's 0x00RRGGBB layout
// with rows pitch bytes apart, on the canvas: the screen of one frame. The
// canvas's own pixels are never read back.
void showPicture(const std::uint32_t *pixels, int width, int height, int pitch);

// A frame ran: when it started and how long its work took, in milliseconds
// of the page's clock.
void frameRan(double startMs, double workMs);

// Whether the player has clicked the game or pressed a key on it, after
// which the browser lets the page play sound; and whether the browser can
// play the game's sounds at all (Web Audio, and Ogg Opus files).
bool soundAllowed();
bool canPlaySound();

// The game is running, or has ended (status 0 after the player quit, 1 after
// a failure, whose reason went to standard error).
void started();
void ended(int status);

}  // namespace page

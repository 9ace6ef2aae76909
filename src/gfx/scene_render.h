// Scene rendering: the background under the camera at the start of a frame,
// and the composite that enlarges the world surface onto the screen.
#pragma once

// Copies the part of the background picture under the camera onto the
// world surface.
void drawBackground();
// Enlarges the world surface by pixelSize onto the screen and flips it.
void render();

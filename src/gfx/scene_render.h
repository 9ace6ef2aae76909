// Scene rendering: the background under the camera at the start of a frame,
// and the composite that enlarges the world surface onto the screen and lays
// the cell grid over it (ground in the ground colour, blood as a red tint).
#pragma once

#include <array>
#include <cstdint>

class CellGrid;

// Columns of the overlay table: one per world column, plus spares for the
// three look-ahead columns of a view narrower than three columns.
inline constexpr int kOverlayColumns = 256 + 3;

// The ground colour before any level sets one (the colour itself is part of
// the graphics state in gfx/video.h).
inline constexpr std::uint32_t kStartGroundColor = 0xFF996600;

// The overlay of the world row being composed, one alpha per world column:
// 0 no overlay, 255 ground, anything else blood tint with that alpha.
extern std::array<std::uint8_t, kOverlayColumns> columnOverlay;

void resetSceneRender();

// Copies the part of the background picture under the camera onto the
// world surface; where the picture does not reach, the last frame stays.
void drawBackground();
// Enlarges the world surface by pixelSize onto the screen, lays the grid
// over it and flips the screen. featherFlag softens the left edges of blood.
void render(CellGrid &grid, bool featherFlag);

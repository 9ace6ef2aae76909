// Places the camera on a target point: with a dead zone while following the
// player, or centred directly; always kept inside the 256 x 256 world.
#pragma once

// smooth: the view centre stays put while the target is within 12 pixels
// horizontally and 17 vertically, and otherwise trails it at that distance.
void followCamera(int targetX, int targetY, bool smooth);

// A camera target as a whole pixel. Level files can start a pan far outside
// the world, or at a speed that makes it infinite: such a value is held to a
// band around the world before the conversion (which would be undefined for
// a float beyond the int range), and NaN becomes 0.
int cameraCoordinate(float value);

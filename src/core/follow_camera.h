// Places the camera on a target point: with a dead zone while following the
// player, or centred directly; always kept inside the 256 x 256 world.
#pragma once

// smooth: the view centre stays put while the target is within 12 pixels
// horizontally and 17 vertically, and otherwise trails it at that distance.
void followCamera(int targetX, int targetY, bool smooth);

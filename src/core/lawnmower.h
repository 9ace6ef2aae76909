// The lawnmower at the end of the player's arm. A running mower shakes
// along the arm, and at high throttle sideways too; the shake is only drawn,
// strikes use the steady hand point.
#pragma once

class Player;
class Sprite;

void drawLawnmower(const Player &player, Sprite &lawnmower);

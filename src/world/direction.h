// Direction: the four ways the keyboard, the joystick hat and the player's
// controls name. The values index the player's held-key flags.
#pragma once

enum class Direction : int { Up = 0, Down = 1, Left = 2, Right = 3 };

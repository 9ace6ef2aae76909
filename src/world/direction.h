// Direction: the four direction controls, shared by the keyboard, the
// joystick hat and the player's controls.
#pragma once

enum class Direction { Up = 0, Down = 1, Left = 2, Right = 3 };

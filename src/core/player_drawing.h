// Drawing the avatar: the rear arm behind the body, the body's sprite, then
// the front arm reaching for the lawnmower.
#pragma once

class Player;
class Sprite;

// Draws onto the world surface; without a sprite only the arms are drawn.
void drawPlayer(Player &player, Sprite *playerSprite);

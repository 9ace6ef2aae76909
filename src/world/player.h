// Player: the avatar, a 4 x 13 box that runs, jumps, wades and swims
// through the blood, holding the lawnmower at the end of its arm. The game
// owns it; the sprite and the mover are the game's and are only linked here.
#pragma once

#include "world/player_controls.h"
#include "world/vec2.h"

#include <array>
#include <cstdint>
#include <string>

class PlayerMover;
class Sprite;

class Player : public PlayerControls {
public:
    Player();

    void damage(float amount) override;
    void setThrottle(float value) override;
    // Also puts the hand point at the end of the arm.
    void setAimAngle(float angle) override;
    // Up jumps when standing on land; Left and Right turn the avatar.
    void press(Direction d) override;
    void release(Direction d) override;
    Vec2 position() const override { return position_; }

    // One step: the swim rule while swimming, else the land rule; the
    // sprite then plays the animation chosen for the step.
    void update();
    // Motion state cleared and health restored for a new level; the
    // position, held keys, aim, throttle and animation stay.
    void resetForLevel();
    // Blood depth from the last move: splashes, swimming, film and wading.
    void setDepth(int d);
    // Swim rhythm in [0.5, 1], rising and falling once a second.
    float strokeFactor();
    // Plays the chosen animation on the sprite, when there is one.
    void showAnimation();

    Vec2 centre() const { return position_ + Vec2(2.0f, 6.5f); }
    Vec2 handPoint() const { return handPoint_; }
    float aimAngle() const { return aimAngle_; }
    float throttle() const { return throttle_; }
    const std::string &animationName() const { return animationName_; }

    Vec2 velocity() const { return velocity_; }
    Vec2 savedVelocity() const { return savedVelocity_; }
    Vec2 thrust() const { return thrust_; }
    bool onGround() const { return onGround_; }
    bool swimming() const { return swimming_; }
    bool wading() const { return wading_; }
    bool slippery() const { return slippery_; }
    bool facingLeft() const { return facingLeft_; }
    bool enteredStanding() const { return enteredStanding_; }
    bool keyHeld(Direction d) const { return keys_[static_cast<int>(d)]; }
    int depth() const { return depth_; }
    float speedFactor() const { return speedFactor_; }
    float friction() const { return friction_; }
    float health() const { return health_; }
    PlayerMover *mover() const { return mover_; }
    Sprite *sprite() const { return sprite_; }

    // Written by the mover and the game.
    void setPosition(Vec2 p) { position_ = p; }
    void setVelocity(Vec2 v) { velocity_ = v; }
    void setOnGround(bool standing) { onGround_ = standing; }
    void setMover(PlayerMover *mover) { mover_ = mover; }
    void setSprite(Sprite *sprite) { sprite_ = sprite; }

private:
    void updateLand();
    void updateSwim();
    void move();
    void moveWithoutMover();
    float splash(int d);
    void chooseAnimation();

    Sprite *sprite_ = nullptr;
    std::string animationName_;
    bool facingLeft_ = false;
    Vec2 position_;
    Vec2 velocity_;
    Vec2 savedVelocity_;
    Vec2 thrust_;
    float speedFactor_ = 1.0f;
    bool wading_ = false;
    float friction_ = 1.0f;
    bool slippery_ = false;
    bool onGround_ = false;
    bool swimming_ = false;
    int depth_ = 0;
    bool enteredStanding_ = false;
    std::array<bool, 4> keys_{};
    float aimAngle_ = 0.0f;
    float reach_ = 6.5f;
    float throttle_ = 0.001f;
    Vec2 handPoint_;
    float health_ = 1.0f;
    std::uint32_t strokeStart_ = 0;
    PlayerMover *mover_ = nullptr;
};

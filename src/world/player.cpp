#include "world/player.h"

#include "gfx/sprite.h"
#include "platform/clock.h"
#include "world/game_events.h"
#include "world/player_mover.h"
#include "world/random.h"

#include <cmath>

namespace {
// Every per-step rate is scaled by this step factor.
constexpr float kStep = 0.75f;
constexpr float kJumpSpeed = -7.0f;

int keyIndex(Direction d)
{
    return static_cast<int>(d);
}
}  // namespace

Player::Player() : strokeStart_(gameclock::now())
{
    setAimAngle(0.0f);
}

void Player::damage(float amount)
{
    health_ -= amount;
    reportGameEvent(GameEventKind::PlayerHurt, centre(), amount);
}

void Player::setThrottle(float value)
{
    throttle_ = value;
}

void Player::setAimAngle(float angle)
{
    aimAngle_ = angle;
    Vec2 arm(reach_, 0.0f);
    arm.rotate(angle);
    handPoint_ = centre() + arm;
}

void Player::press(Direction d)
{
    keys_[keyIndex(d)] = true;
    if (d == Direction::Up && !swimming_ && onGround_) {
        velocity_ += Vec2(0.0f, kJumpSpeed);
        onGround_ = false;
        reportGameEvent(GameEventKind::PlayerJumped, centre());
    }
    if (d == Direction::Right) {
        facingLeft_ = false;
    }
    if (d == Direction::Left) {
        facingLeft_ = true;
    }
}

void Player::release(Direction d)
{
    keys_[keyIndex(d)] = false;
}

void Player::update()
{
    if (swimming_) {
        updateSwim();
    } else {
        updateLand();
    }
    showAnimation();
}

void Player::showAnimation()
{
    if (sprite_ != nullptr && !animationName_.empty()) {
        sprite_->play(animationName_);
    }
}

void Player::resetForLevel()
{
    facingLeft_ = true;
    velocity_ = Vec2();
    savedVelocity_ = Vec2();
    thrust_ = Vec2();
    wading_ = false;
    slippery_ = false;
    onGround_ = false;
    swimming_ = false;
    enteredStanding_ = false;
    depth_ = 0;
    health_ = 1.0f;
    speedFactor_ = 1.0f;
    friction_ = 1.0f;
}

void Player::updateLand()
{
    const bool left = keys_[keyIndex(Direction::Left)];
    const bool right = keys_[keyIndex(Direction::Right)];
    const float accel = 0.6f * kStep * speedFactor_;
    if (right) {
        velocity_.x += accel;
    }
    if (left) {
        velocity_.x -= accel;
    }
    velocity_.x = clamp(velocity_.x, -4.0f * speedFactor_, 4.0f * speedFactor_);
    if (!left && !right) {
        const float braking = kStep * 0.3f * friction_;
        if (velocity_.x > 0.0f) {
            velocity_.x -= braking;
            if (velocity_.x < 0.0f) {
                velocity_.x = 0.0f;
            }
        } else if (velocity_.x < 0.0f) {
            velocity_.x += braking;
            if (velocity_.x > 0.0f) {
                velocity_.x = 0.0f;
            }
        }
    }
    move();
    if (velocity_.y > 7.0f) {
        velocity_.y = 7.0f;
    }
    chooseAnimation();
}

void Player::updateSwim()
{
    const float accel = kStep * 0.3f;
    const bool left = keys_[keyIndex(Direction::Left)];
    const bool right = keys_[keyIndex(Direction::Right)];
    if (right) {
        velocity_.x += accel;
    }
    if (left) {
        velocity_.x -= accel;
    }
    if (keys_[keyIndex(Direction::Up)]) {
        velocity_.y -= accel;
    }
    if (keys_[keyIndex(Direction::Down)]) {
        velocity_.y += accel;
    }
    velocity_.x = clamp(velocity_.x, -2.0f, 2.0f);
    velocity_.y = clamp(velocity_.y, -1.25f, 1.0f);
    if (!left && !right) {
        const float before = velocity_.x;
        velocity_.x -= velocity_.x * kStep * 0.1f;
        if ((before > 0.0f && velocity_.x < 0.05f) || (before < 0.0f && velocity_.x > -0.05f)) {
            velocity_.x = 0.0f;
        }
    }
    // The body sinks slowly.
    velocity_.y += kStep * 0.1f;
    savedVelocity_ = velocity_;
    velocity_.x *= strokeFactor();

    if (throttle_ > 0.02f && (!onGround_ || !enteredStanding_)) {
        // The running mower pushes the body away from itself.
        const Vec2 push = (centre() - handPoint_).normalized() * (2.0f * throttle_) * kStep;
        const float limit = 6.0f * throttle_;
        thrust_ += push;
        thrust_.x = clamp(thrust_.x, -limit, limit);
        thrust_.y = clamp(thrust_.y, -limit, limit);
        velocity_ += thrust_;
    } else if (thrust_.x != 0.0f && thrust_.y != 0.0f) {
        thrust_ = thrust_ * 0.5f;
        if (thrust_.lengthSquared() > 0.5f) {
            velocity_ += thrust_;
        } else {
            thrust_ = Vec2();
        }
    }

    move();

    // The rhythm and the thrust only shape this step's move; a collision
    // that stopped the body on an axis also ends the motion kept for it.
    if (swimming_) {
        if (velocity_.x == 0.0f) {
            savedVelocity_.x = 0.0f;
            thrust_.x = 0.0f;
        }
        if (velocity_.y == 0.0f) {
            savedVelocity_.y = 0.0f;
            thrust_.y = 0.0f;
        }
        velocity_ = savedVelocity_;
    }
    setAimAngle(aimAngle_);
    chooseAnimation();
}

float Player::strokeFactor()
{
    const std::uint32_t now = gameclock::now();
    std::uint32_t t = now - strokeStart_;
    if (t > 1000u) {
        t %= 1000u;
        strokeStart_ += 1000u;
        if (now - strokeStart_ > 1000u) {
            strokeStart_ = now;
        }
        if (swimming_) {
            reportGameEvent(GameEventKind::SwimStroke, centre());
        }
    }
    return std::sin(static_cast<float>(t) / 1000.0f * 3.1415925f) * 0.5f + 0.5f;
}

void Player::move()
{
    if (mover_ != nullptr) {
        mover_->move(*this);
    } else {
        moveWithoutMover();
    }
    setAimAngle(aimAngle_);
}

// Without a mover the box only stops at a floor and at the sides.
void Player::moveWithoutMover()
{
    Vec2 next = position_ + velocity_;
    if (velocity_.y > 0.0f && next.y + 13.0f > 250.0f) {
        next.y = 237.0f;
        velocity_.y = 0.0f;
        onGround_ = true;
    }
    if (velocity_.x < 0.0f && next.x < 5.0f) {
        next.x = 5.0f;
        velocity_.x = 0.0f;
    } else if (velocity_.x > 0.0f && next.x + 4.0f > 250.0f) {
        next.x = 246.0f;
        velocity_.x = 0.0f;
    }
    position_ = next;
}

void Player::setDepth(int d)
{
    const float splashStrength = splash(d);
    const Vec2 surface(position_.x + 2.0f, position_.y + 13.0f - static_cast<float>(d + 1));
    depth_ = d;

    if (d >= 13) {
        if (!swimming_) {
            swimming_ = true;
            thrust_ = Vec2();
            enteredStanding_ = onGround_;
            reportGameEvent(GameEventKind::PoolEntered, surface, splashStrength);
        }
        if (enteredStanding_ && !onGround_) {
            enteredStanding_ = false;
        }
        return;
    }

    if (swimming_) {
        // Leaving the pool: the last stroke and thrust carry over, and Up
        // held jumps out.
        velocity_.x *= strokeFactor();
        velocity_ += thrust_ * 0.35f;
        if (thrust_.y >= -5.95f && keys_[keyIndex(Direction::Up)]) {
            velocity_ += Vec2(0.0f, kJumpSpeed) * 0.85f;
            velocity_.x *= 0.65f;
            onGround_ = false;
            reportGameEvent(GameEventKind::PlayerJumped, centre(), 0.85f);
        }
        if (velocity_.y < -10.0f) {
            velocity_.y = -10.0f;
        }
        thrust_ = Vec2();
        swimming_ = false;
        reportGameEvent(GameEventKind::PoolLeft, surface, splashStrength);
    }

    // A thin film of blood is slippery until the player stands on dry
    // ground again; depths 3 and 4 keep whatever film came before.
    if (d == 1) {
        friction_ = 0.05f;
        slippery_ = true;
    } else if (d == 2) {
        friction_ = 0.25f;
        slippery_ = true;
    } else if (slippery_ && onGround_) {
        slippery_ = false;
        friction_ = 1.0f;
    }

    if (d >= 5 && d < 13) {
        speedFactor_ = 1.0f - static_cast<float>(d - 5) / 14.0f;
        wading_ = true;
    } else if (wading_) {
        wading_ = false;
        speedFactor_ = 1.0f;
    }
}

// Throws droplets from the blood surface when the depth changes; the
// harder the entry, the more droplets. Returns the splash's strength.
float Player::splash(int d)
{
    if (mover_ == nullptr) {
        return 0.0f;
    }
    float strength = 0.0f;
    if (d != depth_) {
        if (!onGround_) {
            strength += 0.5f;
        }
        strength += clamp(absOf(velocity_.y * 0.1f), 0.0f, 0.5f);
        strength += static_cast<float>(absOf(depth_ - d)) / 6.0f * 0.5f;
        if (d < depth_) {
            strength *= 0.5f;
        }
    }
    if (strength <= 0.0f) {
        return 0.0f;
    }
    const int count = static_cast<int>(strength * 10.0f + 1.0f);
    const int originX = static_cast<int>(position_.x + 2.0f);
    const int originY = static_cast<int>(position_.y + 13.0f - static_cast<float>(d + 1));
    Vec2 dir(0.0f, -1.0f);
    for (int i = 0; i < count; ++i) {
        const float speed = randomFloat(1.5f, 2.5f) + strength * 1.5f;
        dir.rotate(randomFloat(-0.5f, 0.5f));
        mover_->spawnSplash(originX, originY, dir * speed, false);
    }
    return strength;
}

void Player::chooseAnimation()
{
    if (!onGround_) {
        if (swimming_) {
            animationName_ = facingLeft_ ? "p_swim_left" : "p_swim_right";
        } else {
            animationName_ = facingLeft_ ? "p_jump_left" : "p_jump_right";
        }
    } else if (velocity_.x == 0.0f) {
        animationName_ = facingLeft_ ? "p_stand_left" : "p_stand_right";
    } else if (!facingLeft_ && velocity_.x < 0.0f) {
        animationName_ = "p_turn_left";
    } else if (facingLeft_ && velocity_.x > 0.0f) {
        animationName_ = "p_turn_right";
    } else {
        animationName_ = facingLeft_ ? "p_run_left" : "p_run_right";
    }
}

// Sprite: draws a picture, or the current frame of a named animation, at a
// world position, clipped to the camera. A sprite can be turned about a
// pivot (the lawnmower is). The picture is shared and not owned; the sprite
// owns its animation copy, its rotation state and its turned copy.
#pragma once

#include "formats/animation.h"
#include "gfx/surface.h"
#include "world/vec2.h"
#include "xml/rect.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>

struct RotationState {
    float angle = 0.0f;
    Vec2 pivot;    // relative to the top-left of bounds
    Vec2 topLeft;  // unrounded world position of the picture's top-left
};

class Sprite {
public:
    Sprite();
    Sprite(const Sprite &) = delete;
    Sprite &operator=(const Sprite &) = delete;
    ~Sprite();

    void setImage(SDL_Surface *surface);
    // Moves the sprite; a turned sprite's unrounded position moves with it.
    void setTopLeft(int x, int y);
    // Puts the centre, or the pivot once the sprite has one, at (x, y).
    void setCenter(int x, int y);
    // Starts the named animation unless it is the one playing.
    void play(const std::string &name);
    void setPivot(int px, int py);
    // Turns the picture to the angle (radians, clockwise) about the pivot.
    void setAngle(float angle);
    // Advances the animation and draws the current frame onto target (the
    // world surface), clipped to the camera. A sprite outside the camera is
    // not updated: its time off screen counts at the next visible draw. A
    // sprite without a picture draws nothing.
    void draw(SDL_Surface *target);

    const Rect &bounds() const { return bounds_; }
    const Rect &source() const { return source_; }
    SDL_Surface *image() const { return image_; }
    SDL_Surface *baseImage() const { return baseImage_; }
    const Animation *animation() const { return animation_.get(); }
    const RotationState *rotation() const { return rotation_.get(); }

private:
    void updateAnimation();

    Rect bounds_;
    Rect source_;
    SDL_Surface *image_ = nullptr;      // baseImage_ or the turned copy
    SDL_Surface *baseImage_ = nullptr;  // not owned
    SurfacePtr turnedImage_;            // owned turned copy, when there is one
    std::uint32_t lastTick_ = 0;
    std::unique_ptr<RotationState> rotation_;
    std::unique_ptr<Animation> animation_;
};

#include "gfx/sprite.h"

#include "formats/animation_library.h"
#include "gfx/surface_ops.h"
#include "gfx/video.h"
#include "platform/clock.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// A turned picture is remade only past this change of angle, in radians.
constexpr float kAngleTolerance = 0.0075f;
constexpr double kDegreesPerRadian = 57.29578;

// Half a size, rounded up for odd sizes: width 5 gives 3.
int halfRoundedUp(std::int32_t size)
{
    return static_cast<int>(static_cast<float>(size) * 0.5f + 0.5f);
}

int roundHalfUp(float v)
{
    return static_cast<int>(v + 0.5f);
}

// Every value is inside the picture or the camera by now, so it fits.
SDL_Rect toSdlRect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h)
{
    SDL_Rect r{};
    r.x = static_cast<Sint16>(x);
    r.y = static_cast<Sint16>(y);
    r.w = static_cast<Uint16>(w);
    r.h = static_cast<Uint16>(h);
    return r;
}

}  // namespace

Sprite::Sprite() : lastTick_(gameclock::now()) {}

Sprite::~Sprite() = default;

void Sprite::setImage(SDL_Surface *surface)
{
    turnedImage_.reset();
    image_ = surface;
    baseImage_ = surface;
    if (rotation_ != nullptr) {
        // The picture shown is no longer turned.
        rotation_->angle = 0.0f;
        rotation_->topLeft = Vec2(bounds_.x, bounds_.y);
    }
    if (surface != nullptr) {
        bounds_.w = surface->w;
        bounds_.h = surface->h;
        source_ = Rect{0, 0, surface->w, surface->h};
    }
}

void Sprite::setTopLeft(int x, int y)
{
    if (rotation_ != nullptr) {
        rotation_->topLeft += Vec2(x - bounds_.x, y - bounds_.y);
    }
    bounds_.x = x;
    bounds_.y = y;
}

void Sprite::setCenter(int x, int y)
{
    if (rotation_ == nullptr) {
        bounds_.x = x - halfRoundedUp(bounds_.w);
        bounds_.y = y - halfRoundedUp(bounds_.h);
        return;
    }
    setTopLeft(x - roundHalfUp(rotation_->pivot.x), y - roundHalfUp(rotation_->pivot.y));
}

void Sprite::play(const std::string &name)
{
    if (animation_ != nullptr && animation_->name == name) {
        return;
    }
    const Animation *entry = animationLibrary().find(name);
    if (entry == nullptr) {
        return;
    }
    auto copy = std::make_unique<Animation>();
    copy->frames = entry->frames;
    copy->FrameLength = entry->FrameLength;
    copy->loop = entry->loop;
    copy->name = entry->name;
    animation_ = std::move(copy);
}

void Sprite::setPivot(int px, int py)
{
    if (rotation_ == nullptr) {
        rotation_ = std::make_unique<RotationState>();
    }
    rotation_->pivot = Vec2(px, py);
    rotation_->topLeft = Vec2(bounds_.x, bounds_.y);
    rotation_->angle = 0.0f;
}

void Sprite::setAngle(float angle)
{
    if (rotation_ == nullptr) {
        setPivot(halfRoundedUp(bounds_.w), halfRoundedUp(bounds_.h));
    }
    RotationState &r = *rotation_;
    if (std::fabs(r.angle - angle) <= kAngleTolerance || baseImage_ == nullptr) {
        return;
    }
    // Turn the picture's centre about the pivot, in world coordinates.
    const Vec2 pivot = r.pivot + Vec2(bounds_.x, bounds_.y);
    Vec2 center = r.topLeft + Vec2(static_cast<float>(bounds_.w) * 0.5f, static_cast<float>(bounds_.h) * 0.5f);
    const float delta = angle - r.angle;
    const Vec2 d = center - pivot;
    center = pivot + Vec2(d.x * std::cos(delta) - d.y * std::sin(delta), d.x * std::sin(delta) + d.y * std::cos(delta));

    // Always from the base picture, so that turning never blurs further.
    // turnedSurface turns anticlockwise; our angles grow clockwise.
    SurfacePtr turned(turnedSurface(baseImage_, 360.0 - static_cast<double>(angle) * kDegreesPerRadian));
    if (turned == nullptr) {
        return;  // out of memory: keep showing the previous picture
    }
    turnedImage_ = std::move(turned);
    image_ = turnedImage_.get();
    bounds_.w = source_.w = image_->w;
    bounds_.h = source_.h = image_->h;
    r.angle = angle;

    r.topLeft = center - Vec2(static_cast<float>(image_->w) * 0.5f, static_cast<float>(image_->h) * 0.5f);
    bounds_.x = roundHalfUp(r.topLeft.x);
    bounds_.y = roundHalfUp(r.topLeft.y);
    // The pivot stays on the same world point of the moved picture.
    r.pivot = pivot - Vec2(bounds_.x, bounds_.y);
}

void Sprite::updateAnimation()
{
    const std::uint32_t now = gameclock::now();
    const std::uint32_t dt = now - lastTick_;
    lastTick_ = now;
    if (animation_ == nullptr) {
        return;
    }
    const std::uint32_t maxStep = std::numeric_limits<std::int32_t>::max();
    animation_->advance(static_cast<std::int32_t>(dt < maxStep ? dt : maxStep));
    const std::int32_t frame = animation_->currentFrame;
    if (frame >= 0 && static_cast<std::size_t>(frame) < animation_->frames.size()) {
        source_ = animation_->frames[static_cast<std::size_t>(frame)];
        bounds_.w = source_.w;
        bounds_.h = source_.h;
    }
}

void Sprite::draw(SDL_Surface *target)
{
    if (image_ == nullptr || target == nullptr) {
        return;
    }
    // Visible only when some part lies inside the camera (strict bounds);
    // 64-bit sums keep far-off positions from overflowing.
    const std::int64_t x = bounds_.x;
    const std::int64_t y = bounds_.y;
    if (!(std::int64_t{camera.x} - bounds_.w < x && x < std::int64_t{camera.x} + camera.w &&
          std::int64_t{camera.y} - bounds_.h < y && y < std::int64_t{camera.y} + camera.h)) {
        return;
    }
    updateAnimation();

    // The clipping sums run in 64 bits: a frame rectangle from the
    // animations file may sit anywhere in the int range.
    std::int64_t destX = x - camera.x;
    std::int64_t destY = y - camera.y;
    std::int64_t destW = bounds_.w;
    std::int64_t destH = bounds_.h;
    std::int64_t partX = 0;
    std::int64_t partY = 0;
    std::int64_t partW = bounds_.w;
    std::int64_t partH = bounds_.h;
    if (destX < 0) {
        destW += destX;
        partW += destX;
        partX = -destX;
        destX = 0;
    }
    if (destY < 0) {
        destH += destY;
        partH += destY;
        partY = -destY;
        destY = 0;
    }
    if (destX + destW > camera.w) {
        destW = camera.w - destX;
    }
    if (destY + destH > camera.h) {
        destH = camera.h - destY;
    }
    const std::int64_t frameRight = std::int64_t{source_.x} + source_.w;
    const std::int64_t frameBottom = std::int64_t{source_.y} + source_.h;
    partX += source_.x;
    partY += source_.y;
    if (partX + partW > frameRight) {
        partW = frameRight - partX;
    }
    if (partY + partH > frameBottom) {
        partH = frameBottom - partY;
    }
    // A frame smaller than the bounds tested above can leave nothing to
    // show, and one placed outside the picture shows nothing either.
    if (destW <= 0 || destH <= 0 || partW <= 0 || partH <= 0 || partX < 0 || partY < 0 || partX >= image_->w ||
        partY >= image_->h) {
        return;
    }
    // SDL blits the picture part's size; the destination only places it,
    // so the part is cut to the camera too.
    partW = std::min(partW, destW);
    partH = std::min(partH, destH);
    SDL_Rect part = toSdlRect(partX, partY, partW, partH);
    SDL_Rect dest = toSdlRect(destX, destY, destW, destH);
    blitSurface(image_, &part, target, &dest);
}

#include "core/follow_camera.h"

#include "gfx/video.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWorldSize = 256;
constexpr int kDeadZoneX = 12;
constexpr int kDeadZoneY = 17;

// Moves the centre c so that the target t is at most zone pixels from it.
int trail(int c, int t, int zone)
{
    if (c - t > zone || t - c > zone) {
        if (t < c) {
            return t + zone;
        }
        if (t > c) {
            return t - zone;
        }
    }
    return c;
}

}  // namespace

int cameraCoordinate(float value)
{
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(value, -4096.0f, 4096.0f));
}

void followCamera(int targetX, int targetY, bool smooth)
{
    const int halfW = static_cast<int>(camera.w * 0.5f);
    const int halfH = static_cast<int>(camera.h * 0.5f);
    if (smooth) {
        const int cx = trail(camera.x + halfW, targetX, kDeadZoneX);
        const int cy = trail(camera.y + halfH, targetY, kDeadZoneY);
        camera.x = cx - halfW;
        camera.y = cy - halfH;
    } else {
        camera.x = targetX - halfW;
        camera.y = targetY - halfH;
    }
    if (camera.x < 0) {
        camera.x = 0;
    }
    if (camera.y < 0) {
        camera.y = 0;
    }
    if (camera.x + camera.w >= kWorldSize) {
        camera.x = kWorldSize - camera.w;
    }
    if (camera.y + camera.h >= kWorldSize) {
        camera.y = kWorldSize - camera.h;
    }
}

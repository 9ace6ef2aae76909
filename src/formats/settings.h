// Settings: read from "settings.xml" at start-up: full screen or not, the
// visible part of the world and the pixel scale, and the extras a settings
// file switches on (kept progress, sound). An element that is absent keeps its
// default, which is the game without the extra.
#pragma once

#include <cstdint>
#include <string>

class XmlReader;

struct Settings {
    bool Fullscreen = false;
    // Visible part of the world, in world pixels.
    std::int32_t Width = 256;
    std::int32_t Height = 192;
    // Screen pixels per world pixel along each axis.
    std::int32_t PixelSize = 4;
    // Keeps the finished levels in the player's data folder, so that the
    // next start begins at the first level not finished.
    bool SaveProgress = false;
    // Sound effects and the lawnmower's engine; the master volume from 0 to
    // 100.
    bool Sound = false;
    std::int32_t SoundVolume = 80;

    bool operator==(const Settings &) const = default;

    // Elements "Fullscreen", "Width", "Height", "PixelSize", then
    // "SaveProgress", "Sound", "SoundVolume", in that order.
    void serialize(XmlReader &reader);
};

inline constexpr std::int32_t kMinViewSize = 3;
inline constexpr std::int32_t kMaxViewSize = 256;
inline constexpr std::int32_t kMaxWindowSize = 4096;

// Brings the values within the limits: Width and Height from 3 to 256,
// PixelSize from 1 up to what keeps the window within 4096 x 4096,
// SoundVolume from 0 to 100. Each
// value replaced gives one line on standard error naming the file.
void limitSettings(Settings &settings, const std::string &fileName);

// The settings of the file, with the defaults above for a missing file or
// element, within the limits.
Settings loadSettings(const std::string &fileName = "settings.xml");

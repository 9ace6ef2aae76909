#include "formats/settings.h"

#include "xml/load_xml_file.h"

#include <algorithm>
#include <cstdio>

namespace {

void limitValue(std::int32_t &value, std::int32_t low, std::int32_t high, const char *element,
                const std::string &fileName)
{
    const std::int32_t used = std::clamp(value, low, high);
    if (used != value) {
        std::fprintf(stderr, "%s: %s %d is out of range, using %d\n", fileName.c_str(), element, value, used);
        value = used;
    }
}

}  // namespace

void Settings::serialize(XmlReader &reader)
{
    XML_ELEMENT(reader, Fullscreen, "Fullscreen");
    XML_ELEMENT(reader, Width, "Width");
    XML_ELEMENT(reader, Height, "Height");
    XML_ELEMENT(reader, PixelSize, "PixelSize");
    XML_ELEMENT(reader, SaveProgress, "SaveProgress");
    XML_ELEMENT(reader, Sound, "Sound");
    XML_ELEMENT(reader, SoundVolume, "SoundVolume");
}

void limitSettings(Settings &settings, const std::string &fileName)
{
    limitValue(settings.Width, kMinViewSize, kMaxViewSize, "Width", fileName);
    limitValue(settings.Height, kMinViewSize, kMaxViewSize, "Height", fileName);
    const std::int32_t largestSide = std::max(settings.Width, settings.Height);
    limitValue(settings.PixelSize, 1, kMaxWindowSize / largestSide, "PixelSize", fileName);
    limitValue(settings.SoundVolume, 0, 100, "SoundVolume", fileName);
}

Settings loadSettings(const std::string &fileName)
{
    Settings settings;
    loadXmlFile(settings, fileName, "GorlakSettings");
    limitSettings(settings, fileName);
    return settings;
}

#include "content_builder.h"

#include "backdrop_painter.h"
#include "hint_painter.h"
#include "icon_painter.h"
#include "level_painter.h"
#include "png_writer.h"
#include "sound_effect.h"
#include "sound_synth.h"
#include "source_text.h"
#include "wav_writer.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The .txt files of one source folder, sorted by name so the output order
// never depends on the file system.
std::vector<fs::path> sourcesIn(const fs::path &folder)
{
    std::vector<fs::path> files;
    if (!fs::is_directory(folder))
        return files;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> textBytes(const std::string &text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

}  // namespace

std::string animationsXml(const std::vector<AnimationGroup> &groups)
{
    std::ostringstream out;
    out << "<Animations>\n";
    for (const AnimationGroup &group : groups) {
        out << "  <!-- " << group.picture << " -->\n";
        for (const AnimationEntry &animation : group.animations) {
            out << "  <Animation name=\"" << animation.name << "\" loop=\"" << (animation.loop ? 1 : 0) << "\">\n";
            out << "    <FrameLength>" << animation.frameLength << "</FrameLength>\n";
            for (const FrameRect &rect : animation.rects)
                out << "    <Rect x=\"" << rect.x << "\" y=\"" << rect.y << "\" w=\"" << rect.w << "\" h=\"" << rect.h
                    << "\"/>\n";
            out << "  </Animation>\n";
        }
    }
    out << "</Animations>\n";
    return out.str();
}

std::vector<GeneratedFile> buildContent(const std::string &artDir)
{
    const fs::path art(artDir);
    std::vector<GeneratedFile> files;
    std::vector<AnimationGroup> groups;
    std::set<std::string> animationNames;

    auto addAnimations = [&](const fs::path &source, const std::string &picture,
                             const std::vector<AnimationEntry> &animations) {
        if (animations.empty())
            return;
        for (const AnimationEntry &animation : animations)
            if (!animationNames.insert(animation.name).second)
                throw ContentError(source.string(), 0, "animation \"" + animation.name + "\" is defined twice");
        groups.push_back(AnimationGroup{picture, animations});
    };

    for (const fs::path &source : sourcesIn(art / "sprites")) {
        const SpriteSheet sheet = readSpriteSheet(source.string(), readTextFile(source.string()));
        const std::string picture = source.stem().string() + ".png";
        files.push_back(GeneratedFile{"data/gfx/" + picture, encodePng(sheet.picture)});
        addAnimations(source, picture, sheet.animations);
    }
    for (const fs::path &source : sourcesIn(art / "hints")) {
        const HintSet hints = readHints(source.string(), readTextFile(source.string()));
        for (const HintPicture &hint : hints.hints)
            files.push_back(GeneratedFile{"data/gfx/hints/" + hint.name + ".png", encodePng(hint.sheet)});
        addAnimations(source, "hints/*.png", hints.animations);
        for (const HintPicture &banner : hints.banners)
            files.push_back(GeneratedFile{"data/gfx/" + banner.name + ".png", encodePng(banner.sheet)});
    }
    for (const fs::path &source : sourcesIn(art / "backgrounds")) {
        const Picture picture = readBackdrop(source.string(), readTextFile(source.string()));
        files.push_back(GeneratedFile{"data/gfx/" + source.stem().string() + ".png", encodePng(picture)});
    }
    for (const fs::path &source : sourcesIn(art / "levels")) {
        const LevelLayout level = readLevel(source.string(), readTextFile(source.string()));
        files.push_back(GeneratedFile{"data/levels/" + source.stem().string() + ".png", encodePng(level.picture)});
    }
    for (const fs::path &source : sourcesIn(art / "sounds")) {
        const SoundEffect effect = readSoundEffect(source.string(), readTextFile(source.string()));
        files.push_back(GeneratedFile{"data/sfx/" + source.stem().string() + ".wav",
                                      encodeWav(renderSound(effect), kSoundRate)});
    }
    const std::vector<fs::path> iconSources = sourcesIn(art / "icons");
    if (iconSources.size() > 1)
        throw ContentError(iconSources[1].string(), 0, "the game has one icon; only one icon source may be there");
    for (const fs::path &source : iconSources) {
        const IconSet icons = readIcons(source.string(), readTextFile(source.string()));
        files.push_back(GeneratedFile{"data/gfx/icon.png", encodePng(icons.window)});
        for (const IconPicture &icon : icons.icons) {
            const std::string size = std::to_string(icon.size);
            files.push_back(GeneratedFile{"packaging/icons/hicolor/" + size + "x" + size + "/apps/" +
                                              source.stem().string() + ".png",
                                          encodePng(icon.picture)});
        }
    }
    files.push_back(GeneratedFile{"data/gfx/animations.xml", textBytes(animationsXml(groups))});
    return files;
}

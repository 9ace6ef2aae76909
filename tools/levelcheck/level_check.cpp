#include "levelcheck/level_check.h"

#include "formats/level_list.h"
#include "formats/animation_library.h"
#include "formats/level_description.h"
#include "gfx/surface.h"
#include "world/level_picture.h"
#include "xml/load_xml_file.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr std::array kSharedPictures = {
    "data/gfx/gorlak_background.png", "data/gfx/collectable.png",    "data/gfx/lawnmower.png",
    "data/gfx/door.png",              "data/gfx/player_avatar.png", "data/gfx/zombie_sprite.png",
};

// The animations the game itself plays, whatever the levels say.
constexpr std::array kGameAnimations = {
    "p_stand_left",  "p_stand_right", "p_run_left",    "p_run_right",    "p_jump_left",  "p_jump_right",
    "p_swim_left",   "p_swim_right",  "p_turn_left",   "p_turn_right",   "z_walk_left",  "z_walk_right",
    "z_attack_left", "z_attack_right", "door_closed",  "door_open",
};

constexpr std::array kLevelElements = {
    "LevelImage", "BackgroundImage", "GroundColor", "CameraPan", "CameraPanSpeed",
    "CameraPanX", "CameraPanY",      "BloodSucker", "Outro",     "GameMessage",
};

constexpr std::array kMessageElements = {
    "Image", "Animation", "Xpos", "Ypos", "Timed", "HowLong", "TimedEvent",
};

template <std::size_t N>
bool known(const std::array<const char *, N> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::unique_ptr<XmlNode> readTree(const std::string &fileName)
{
    return scanXmlFile(fileName);
}

// Which markers a level picture holds.
struct Markers {
    bool start = false;
    bool door = false;
};

// Scans the picture with the grid builder's own colour code.
Markers findMarkers(SDL_Surface *picture)
{
    Markers markers;
    const SurfacePtr converted = convertLevelPicture(picture);
    if (converted == nullptr) {
        return markers;
    }
    for (int y = 0; y < converted->h; ++y) {
        const auto *row = reinterpret_cast<const std::uint32_t *>(static_cast<const std::uint8_t *>(converted->pixels) +
                                                                  y * converted->pitch);
        for (int x = 0; x < converted->w; ++x) {
            const LevelPixel pixel = levelPixelOf(row[x]);
            markers.start = markers.start || pixel == LevelPixel::Start;
            markers.door = markers.door || pixel == LevelPixel::Door;
        }
    }
    return markers;
}

class Checker {
public:
    explicit Checker(std::ostream &out) : report(out) {}

    void checkSharedPictures()
    {
        for (const char *fileName : kSharedPictures) {
            if (loadPicture(fileName) == nullptr) {
                problem(fileName, "picture is missing or cannot be loaded");
            }
        }
    }

    void checkAnimations()
    {
        animationLibrary().clear();
        if (!loadAnimationLibrary(kAnimationsFile)) {
            problem(kAnimationsFile, "missing, unreadable or holds no usable animation");
            return;
        }
        for (const char *name : kGameAnimations) {
            if (animationLibrary().find(name) == nullptr) {
                problem(kAnimationsFile, std::string("lacks the animation \"") + name + "\" the game plays");
            }
        }
    }

    void checkLevels()
    {
        const std::unique_ptr<XmlNode> root = readTree(kLevelListFile);
        if (root == nullptr) {
            problem(kLevelListFile, "missing or holds no element");
            return;
        }
        int highestPosition = 0;
        for (int i = 0; i < root->childCount(); ++i) {
            const XmlNode *child = root->child(i);
            if (child->name() != "Level") {
                unknownElement(kLevelListFile, *child, *root);
                continue;
            }
            if (!child->hasAttribute("position") || !child->hasAttribute("filename")) {
                problem(kLevelListFile, "a \"Level\" without \"position\" or \"filename\" is ignored");
            } else {
                checkPosition(child->attribute("position").asInt(0), highestPosition);
            }
            for (int j = 0; j < child->childCount(); ++j) {
                unknownElement(kLevelListFile, *child->child(j), *child);
            }
        }

        LevelList list;
        loadLevelList(list, kLevelListFile);
        if (!list.hasPlayableLevel()) {
            problem(kLevelListFile, "names no level");
        }
        for (int position = 1; position < static_cast<int>(list.entries.size()); ++position) {
            const std::string fileName = list.fileNameAt(position);
            if (fileName.empty()) {
                problem(kLevelListFile, "position " + std::to_string(position) + " names no level file");
                continue;
            }
            checkLevel(fileName, position == 1);
        }
    }

    LevelCheckResult result;

private:
    // The game reads the list in document order and each "Level" sets the
    // list's length to its position, so a lower position after a higher one
    // drops the levels before it.
    void checkPosition(int position, int &highestPosition)
    {
        const std::string named = "position " + std::to_string(position);
        if (position <= 0 || position >= 10000) {
            problem(kLevelListFile, named + " is outside 1 to 9999 and is ignored");
            return;
        }
        if (position == highestPosition) {
            problem(kLevelListFile, named + " is listed twice: the later one replaces the earlier");
        } else if (position < highestPosition) {
            problem(kLevelListFile, named + " comes after position " + std::to_string(highestPosition) +
                                        ": the list is cut back to it; list the levels in ascending order");
        }
        highestPosition = position;
    }

    void problem(const std::string &fileName, const std::string &text)
    {
        report << fileName << ": " << text << '\n';
        ++result.problems;
    }

    void unknownElement(const std::string &fileName, const XmlNode &element, const XmlNode &parent)
    {
        problem(fileName, "unknown element \"" + element.name() + "\" in \"" + parent.name() + "\"");
    }

    void checkLevel(const std::string &fileName, bool first)
    {
        ++result.levels;
        const std::unique_ptr<XmlNode> root = readTree(fileName);
        if (root == nullptr) {
            problem(fileName, "level file is missing or holds no element");
            return;
        }
        checkLevelElements(fileName, *root);

        LevelDescription description;
        loadLevelDescription(description, fileName);
        const std::optional<Markers> markers = checkLevelPicture(fileName, description.LevelImage);
        if (markers.has_value()) {
            if (!markers->door && !description.Outro) {
                problem(fileName, "level picture \"" + description.LevelImage +
                                      "\" has no door marker (magenta), so the level cannot be left");
            }
            if (!markers->start && first) {
                problem(fileName, "level picture \"" + description.LevelImage +
                                      "\" of the first level has no start marker (blue)");
            }
        }
        if (description.BackgroundImage.empty()) {
            problem(fileName, "no \"BackgroundImage\"");
        } else if (loadPicture(description.BackgroundImage) == nullptr) {
            problem(fileName, "background picture \"" + description.BackgroundImage +
                                  "\" is missing or cannot be loaded");
        }
        for (const auto &message : description.messages) {
            checkMessage(fileName, *message);
        }
    }

    void checkLevelElements(const std::string &fileName, const XmlNode &root)
    {
        for (int i = 0; i < root.childCount(); ++i) {
            const XmlNode &child = *root.child(i);
            if (!known(kLevelElements, child.name())) {
                unknownElement(fileName, child, root);
                continue;
            }
            for (int j = 0; j < child.childCount(); ++j) {
                const XmlNode &inner = *child.child(j);
                if (child.name() != "GameMessage" || !known(kMessageElements, inner.name())) {
                    unknownElement(fileName, inner, child);
                }
            }
        }
    }

    std::optional<Markers> checkLevelPicture(const std::string &fileName, const std::string &picture)
    {
        if (picture.empty()) {
            problem(fileName, "no \"LevelImage\"");
            return std::nullopt;
        }
        const SurfacePtr loaded = loadPicture(picture);
        if (loaded == nullptr) {
            problem(fileName, "level picture \"" + picture + "\" is missing or cannot be loaded");
            return std::nullopt;
        }
        return findMarkers(loaded.get());
    }

    void checkMessage(const std::string &fileName, const GameMessage &message)
    {
        const std::string where = "game message at (" + number(message.position.x) + ", " +
                                  number(message.position.y) + ")";
        if (!message.hasRadius) {
            problem(fileName, where + " has no \"radius\"");
        }
        if (!message.imageFile.empty() && message.image == nullptr) {
            problem(fileName, where + ": picture \"" + message.imageFile + "\" is missing or cannot be loaded");
        }
        checkAnimationName(fileName, where, "Animation", message.animationName);
        checkAnimationName(fileName, where, "TimedEvent", message.TimedEvent);
    }

    void checkAnimationName(const std::string &fileName, const std::string &where, const std::string &element,
                            const std::string &name)
    {
        if (!name.empty() && animationLibrary().find(name) == nullptr) {
            problem(fileName, where + ": " + element + " \"" + name + "\" is not in " + kAnimationsFile);
        }
    }

    static std::string number(float value)
    {
        std::string text = std::to_string(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (!text.empty() && text.back() == '.') {
            text.pop_back();
        }
        return text;
    }

    std::ostream &report;
};

// Puts the working directory back however the check ends.
class DirectoryChange {
public:
    explicit DirectoryChange(const std::filesystem::path &directory) : saved(std::filesystem::current_path())
    {
        std::filesystem::current_path(directory);
    }
    ~DirectoryChange()
    {
        std::error_code ignored;
        std::filesystem::current_path(saved, ignored);
    }
    DirectoryChange(const DirectoryChange &) = delete;
    DirectoryChange &operator=(const DirectoryChange &) = delete;

private:
    std::filesystem::path saved;
};

}  // namespace

LevelCheckResult checkContent(const std::filesystem::path &directory, std::ostream &report)
{
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        report << directory.string() << ": no such directory\n";
        return LevelCheckResult{1, 0};
    }
    DirectoryChange change(directory);
    Checker checker(report);
    checker.checkSharedPictures();
    checker.checkAnimations();
    checker.checkLevels();
    animationLibrary().clear();
    return checker.result;
}

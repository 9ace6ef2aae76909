// Feeds arbitrary bytes through the XML scanner, the element tree, the child
// reader and every record read from a data file, each record also written
// back into a tree and read again.
#include "formats/level_list.h"
#include "formats/animation_library.h"
#include "formats/level_description.h"
#include "formats/settings.h"
#include "xml/color.h"
#include "xml/load_xml_file.h"
#include "xml/rect.h"

#include <concepts>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Reads the record from the top element, writes it into a new tree and reads
// that back: the two reads must agree.
template <class T>
void readRecord(XmlNode *root)
{
    T record{};
    fromXml(root, record);
    const auto written = toXml(record, "Record");
    T again{};
    fromXml(written.get(), again);
    if constexpr (std::equality_comparable<T>) {
        if (!(again == record)) {
            std::abort();
        }
    }
}

void readSettings(XmlNode *root)
{
    readRecord<Settings>(root);
    Settings settings;
    fromXml(root, settings);
    limitSettings(settings, "settings.xml");
}

// Message pictures are file names taken from the input: they are emptied
// first so that the fuzzer never opens files of its choosing.
void readLevelDescription(XmlNode *root)
{
    if (root != nullptr) {
        for (int i = 0; i < root->childCount(); ++i) {
            XmlNode *message = root->child(i);
            for (int j = 0; message->name() == "GameMessage" && j < message->childCount(); ++j) {
                if (message->child(j)->name() == "Image") {
                    message->child(j)->setText("");
                }
            }
        }
    }
    readRecord<LevelDescription>(root);
}

using RecordReader = void (*)(XmlNode *);

// Every record type the game reads from a data file; new formats join here.
const RecordReader recordReaders[] = {
    readSettings,
    readRecord<AnimationLibrary>,
    readRecord<Animation>,
    readRecord<Rect>,
    readRecord<Color>,
    readRecord<LevelList>,
    readLevelDescription,
};

// Looks up every child of every element by name with diagnostics on, walking
// the tree without recursion.
void walkTree(XmlNode *root)
{
    std::vector<XmlNode *> pending;
    if (root != nullptr) {
        pending.push_back(root);
    }
    while (!pending.empty()) {
        XmlNode *node = pending.back();
        pending.pop_back();
        XmlReader reader(*node, XmlDirection::Reading);
        reader.setDiagnostics(true);
        for (int i = node->childCount() - 1; i >= 0; --i) {
            XmlNode *child = node->child(i);
            if (reader.getChild(child->name()) == nullptr || child->parent() != node) {
                std::abort();
            }
            pending.push_back(child);
        }
        for (const std::string &name : node->attributes().names()) {
            const XmlValue &value = node->attribute(name);
            (void)value.asInt(0);
            (void)value.asFloat(0.0f);
            (void)value.asBool(false);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Content messages and diagnostics are written to `stderr`, pointed here
    // at /dev/null; libFuzzer keeps the stream it took at start-up and the
    // sanitizers write to the descriptor, so their reports still show.
    std::FILE *discarded = std::fopen("/dev/null", "w");
    if (discarded != nullptr) {
        stderr = discarded;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::unique_ptr<XmlNode> root = scanXmlText(std::string_view(reinterpret_cast<const char *>(data), size));
    walkTree(root.get());
    for (RecordReader readRecord : recordReaders) {
        readRecord(root.get());
    }
    return 0;
}

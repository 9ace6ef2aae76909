#include "xml/color.h"
#include "xml/rect.h"
#include "xml/xml_reader.h"

#include <gtest/gtest.h>

namespace {

// A record with every kind of field: elements, attributes, a nested record
// and a list written with beginNode/endNode.
struct Sample {
    std::string title = "a &lt; b";
    float speed = 0.5f;
    std::uint32_t frames = 7;
    Color tint{10, 20, 30, 40};
    Rect area{-1, 2, 30, 40};
    std::vector<std::int32_t> marks{3, 1, 2};

    bool operator==(const Sample &) const = default;

    void serialize(XmlReader &reader)
    {
        reader.attribute(title, "title");
        XML_ELEMENT(reader, speed, "Speed");
        XML_ELEMENT(reader, frames, "Frames");
        XML_OBJECT(reader, tint, "Tint");
        XML_OBJECT(reader, area, "Rect");
        if (reader.isWriting()) {
            for (std::int32_t mark : marks) {
                reader.beginNode("Mark");
                reader.setAttribute("value", XmlValue(mark));
                reader.endNode("Mark");
            }
            return;
        }
        marks.clear();
        XmlNode *node = reader.currentNode();
        for (int i = 0; i < node->childCount(); ++i) {
            if (node->child(i)->name() == "Mark") {
                marks.push_back(node->child(i)->attribute("value").asInt(0));
            }
        }
    }
};

}  // namespace

TEST(XmlWriting, begin_and_end_node_climb_back)
{
    XmlNode node("List");
    XmlReader writer(node, XmlDirection::Writing);
    // A mismatched end warns with diagnostics on and climbs all the same; an
    // extra end never climbs above the reader's own element.
    writer.setDiagnostics(true);
    writer.setSourceLocation("list.cpp", 7);
    writer.beginNode("Level");
    testing::internal::CaptureStderr();
    writer.endNode("Other");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Xml warning, trying to end a different node: Other should end: Level in file: list.cpp at line 7\n");
    EXPECT_EQ(writer.currentNode(), &node);
    writer.setDiagnostics(false);
    writer.endNode("List");
    EXPECT_EQ(writer.currentNode(), &node);
    EXPECT_EQ(node.childCount(), 1);
}

TEST(XmlWriting, records_round_trip_through_a_tree)
{
    const Sample written;
    const auto node = toXml(written, "Sample");
    EXPECT_EQ(node->name(), "Sample");
    EXPECT_EQ(node->child(2)->attribute("r").heldType(), typeid(std::int32_t));

    Sample read{"", 0.0f, 0, Color{}, Rect{}, {}};
    fromXml(node.get(), read);
    EXPECT_EQ(read, written);
}

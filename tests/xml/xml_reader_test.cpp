#include "support/temp_path.h"
#include "xml/color.h"
#include "xml/load_xml_file.h"
#include "xml/rect.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A record with every kind of field: an attribute, elements and nested records.
struct Record {
    std::string title = "a &lt; b";
    bool on = false;
    std::int32_t count = 7;
    float speed = 0.5f;
    Color tint{10, 20, 30, 40};
    Rect area{-1, 2, 30, 40};

    bool operator==(const Record &) const = default;

    void serialize(XmlReader &reader)
    {
        reader.attribute(title, "title");
        XML_ELEMENT(reader, on, "On");
        XML_ELEMENT(reader, count, "Count");
        XML_ELEMENT(reader, speed, "Speed");
        XML_OBJECT(reader, tint, "Tint");
        XML_OBJECT(reader, area, "Rect");
    }
};

}  // namespace

TEST(XmlReader, fields_are_found_in_any_order_and_bad_ones_keep_their_values)
{
    Record record;
    fromXml(scanXmlText("<R><Speed>0.25</Speed><Count>-4</Count><On>1</On></R>").get(), record);
    EXPECT_TRUE(record.on);
    EXPECT_EQ(record.count, -4);
    EXPECT_FLOAT_EQ(record.speed, 0.25f);

    // Colour parts keep their low byte; parts that do not read, or a
    // missing element, keep what was there.
    fromXml(scanXmlText("<R><On>yes</On><Count>wide</Count><Speed/><Tint r=\"300\" b=\"-1\" a=\"x\"/>"
                        "<Rect x=\"3\" y=\"4\" w=\"big\"/></R>").get(), record);
    fromXml(nullptr, record);
    EXPECT_TRUE(record.on && record.count == -4 && record.speed == 0.25f);
    EXPECT_EQ(record.tint, (Color{44, 20, 255, 40}));
    EXPECT_EQ(record.area, (Rect{3, 4, 30, 40}));
}

// Children are searched from the cursor on, then from the start; the
// out-of-place warnings are off unless switched on.
TEST(XmlReader, search_leaves_the_cursor_on_the_child_found_and_warns_only_when_asked)
{
    auto root = scanXmlText("<Node><A>1</A><B>2</B><A>3</A><B>4</B></Node>");
    XmlReader reader(*root, XmlDirection::Reading);
    testing::internal::CaptureStderr();
    EXPECT_EQ(reader.getChild("B")->text(), "2");
    EXPECT_EQ(reader.getChild("B")->text(), "2");
    EXPECT_EQ(reader.getChild("A")->text(), "3");
    EXPECT_EQ(reader.getChild("A")->text(), "1");
    EXPECT_EQ(reader.getChild("Z"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    reader.setDiagnostics(true);
    reader.setSourceLocation("record.cpp", 12);
    testing::internal::CaptureStderr();
    EXPECT_EQ(reader.getChild("B")->text(), "2");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Xml warning a child node wasn't in the place it should be, order fucked up in node: Node"
              " in file: record.cpp at line 12\n");
}

TEST(LoadXmlFile, reads_a_top_element_of_any_name)
{
    Record record;
    EXPECT_TRUE(loadXmlText(record, "<?xml version=\"1.0\"?>\n<Other>\n  <Count>12</Count>\n</Other>\n", "Record"));
    EXPECT_EQ(record.count, 12);

    EXPECT_FALSE(loadXmlText(record, "no elements here", "Record"));
    EXPECT_FALSE(loadXmlFile(record, "/nonexistent/record.xml", "Record"));
    EXPECT_EQ(record.count, 12);

    // A file is read whole, its last line without a line break too; a
    // folder reads as nothing.
    const auto file = tempPath("load_xml_file.xml");
    std::ofstream(file, std::ios::binary) << "<Other>\r\n  <Count>5</Count>";
    EXPECT_TRUE(loadXmlFile(record, file.string(), "Record"));
    EXPECT_EQ(record.count, 5);
    std::filesystem::remove(file);
    EXPECT_EQ(scanXmlFile(std::filesystem::temp_directory_path().string()), nullptr);
}

TEST(XmlWriting, begin_and_end_node_climb_back)
{
    XmlNode node("List");
    XmlReader writer(node, XmlDirection::Writing);
    // A mismatched end climbs all the same; an extra end never climbs above
    // the reader's own element.
    writer.beginNode("Level");
    writer.setAttribute("id", XmlValue(3));
    writer.endNode("Other");
    EXPECT_EQ(writer.currentNode(), &node);
    writer.endNode("List");
    EXPECT_EQ(writer.currentNode(), &node);
    ASSERT_EQ(node.childCount(), 1);
    EXPECT_EQ(node.child(0)->attribute("id").asInt(0), 3);
}

TEST(XmlWriting, records_round_trip_through_a_tree)
{
    const Record written{"x &amp; y", true, -3, 0.1f, Color{1, 2, 3, 4}, Rect{5, -6, 7, 8}};
    const auto node = toXml(written, "Record");
    EXPECT_EQ(node->name(), "Record");
    EXPECT_EQ(node->child(3)->attribute("r").heldType(), typeid(std::int32_t));

    Record read{"", false, 0, 0.0f, Color{}, Rect{}};
    fromXml(node.get(), read);
    EXPECT_EQ(read, written);
}

#include "xml/color.h"
#include "xml/load_xml_file.h"
#include "xml/rect.h"
#include "xml/xml_reader.h"
#include "scan_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Reads four fields in a fixed order, as the data file records do.
struct Four {
    bool a = false;
    std::int32_t b = 0;
    float c = 0.0f;
    std::string d;

    void serialize(XmlReader &reader)
    {
        XML_ELEMENT(reader, a, "A");
        XML_ELEMENT(reader, b, "B");
        XML_ELEMENT(reader, c, "C");
        XML_ELEMENT(reader, d, "D");
    }
};

}  // namespace

TEST(XmlReader, fields_are_found_in_any_order_and_bad_ones_keep_their_values)
{
    auto root = scanText("<R><D> two words </D><C>0.5</C><B>-4</B><A>1</A></R>");
    Four record;
    fromXml(root.get(), record);
    EXPECT_TRUE(record.a);
    EXPECT_EQ(record.b, -4);
    EXPECT_FLOAT_EQ(record.c, 0.5f);
    EXPECT_EQ(record.d, "two words");

    root = scanText("<R><A>yes</A><B>wide</B><C/></R>");
    Four kept{true, 9, 1.5f, "keep"};
    fromXml(root.get(), kept);
    fromXml(nullptr, kept);
    EXPECT_TRUE(kept.a);
    EXPECT_EQ(kept.b, 9);
    EXPECT_FLOAT_EQ(kept.c, 1.5f);
    EXPECT_EQ(kept.d, "keep");
}

TEST(XmlReader, search_leaves_the_cursor_on_the_child_found)
{
    auto root = scanText("<R><A>1</A><B>2</B><A>3</A><B>4</B></R>");
    XmlReader reader(*root, XmlDirection::Reading);
    EXPECT_EQ(reader.getChild("B")->text(), "2");
    EXPECT_EQ(reader.cursorPosition(), 1);
    EXPECT_EQ(reader.getChild("B")->text(), "2");
    EXPECT_EQ(reader.cursorPosition(), 2);
    EXPECT_EQ(reader.getChild("A")->text(), "3");
    EXPECT_EQ(reader.getChild("A")->text(), "1");
    EXPECT_EQ(reader.getChild("Z"), nullptr);
}

TEST(XmlReader, diagnostics_only_when_switched_on)
{
    auto root = scanText("<Node><A>1</A><B>2</B></Node>");
    XmlReader reader(*root, XmlDirection::Reading);
    testing::internal::CaptureStderr();
    reader.getChild("B");
    reader.getChild("Missing");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    reader = XmlReader(*root, XmlDirection::Reading);
    reader.setDiagnostics(true);
    reader.setSourceLocation("level.cpp", 42);
    reader.getChild("B");
    reader.getChild("B");
    testing::internal::CaptureStderr();
    EXPECT_EQ(reader.getChild("A")->text(), "1");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Xml warning, ain't no childs left in the current node: Node in file: level.cpp at line 42\n"
              "Xml warning a child node wasn't in the place it should be, order fucked up in node: Node in file: "
              "level.cpp at line 42\n");
}

TEST(XmlReader, rect_and_color_attributes)
{
    auto root = scanText("<Level><GroundColor r=\"300\" b=\"-1\" a=\"x\"/><Rect x=\"3\" y=\"4\" w=\"big\"/></Level>");
    Color color{1, 2, 3, 4};
    Rect area{5, 6, 7, 8};
    XmlReader reader(*root, XmlDirection::Reading);
    reader.readObject(color, "GroundColor");
    reader.readObject(area, "Rect");
    reader.readObject(color, "Missing");
    EXPECT_EQ(color, (Color{44, 2, 255, 4}));
    EXPECT_EQ(area, (Rect{3, 4, 7, 8}));
}

TEST(LoadXmlFile, reads_a_top_element_of_any_name)
{
    Four record;
    std::istringstream input("<?xml version=\"1.0\"?>\n<Other>\n  <B>12</B>\n</Other>\n");
    EXPECT_TRUE(loadXmlStream(record, input, "Four"));
    EXPECT_EQ(record.b, 12);

    std::istringstream empty("no elements here");
    EXPECT_FALSE(loadXmlStream(record, empty, "Four"));
    EXPECT_FALSE(loadXmlFile(record, "/nonexistent/four.xml", "Four"));
    EXPECT_EQ(record.b, 12);
}

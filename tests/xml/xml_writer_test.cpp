#include "xml/xml_writer.h"

#include "support/temp_path.h"
#include "xml/load_xml_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string written(const XmlNode &root)
{
    std::string text;
    EXPECT_TRUE(writeXml(root, text));
    return text;
}

}  // namespace

TEST(XmlWriter, writes_text_the_scanner_reads_back_into_the_same_tree)
{
    XmlNode root("LevelList");
    root.setAttribute("version", XmlValue(2));
    XmlNode *level = root.addChild(std::make_unique<XmlNode>("Level"));
    level->setAttribute("filename", XmlValue("data/levels/a & b.xml"));
    level->setAttribute("completed", XmlValue(true));
    XmlNode *note = root.addChild(std::make_unique<XmlNode>("Note"));
    note->setText("1 < 2 & 3 > 2");
    note->addChild(std::make_unique<XmlNode>("Empty"));

    const std::string text = written(root);
    EXPECT_EQ(text, "<LevelList version=\"2\">\n"
                    "  <Level filename=\"data/levels/a & b.xml\" completed=\"1\"/>\n"
                    "  <Note>1 &lt; 2 &amp; 3 &gt; 2\n"
                    "    <Empty/>\n"
                    "  </Note>\n"
                    "</LevelList>\n");
    const std::unique_ptr<XmlNode> back = scanXmlText(text);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->childCount(), 2);
    EXPECT_EQ(back->child(0)->attribute("filename").asString(), "data/levels/a & b.xml");
    EXPECT_EQ(back->child(1)->text(), "1 < 2 & 3 > 2");
    EXPECT_EQ(back->child(1)->child(0)->name(), "Empty");
}

TEST(XmlWriter, refuses_what_would_not_read_back_and_writes_deep_trees_without_recursion)
{
    for (const char *value : {"say \"hi\"", "a<b", "a>b", "two\nlines"}) {
        XmlNode root("Root");
        root.setAttribute("value", XmlValue(value));
        std::string text = "kept";
        EXPECT_FALSE(writeXml(root, text)) << value;
        EXPECT_EQ(text, "kept") << value;
    }
    XmlNode spaced("Two words");
    std::string text;
    EXPECT_FALSE(writeXml(spaced, text));

    XmlNode deep("D");
    XmlNode *node = &deep;
    for (int i = 0; i < 100000; ++i)
        node = node->addChild(std::make_unique<XmlNode>("D"));
    std::string deepText;
    EXPECT_TRUE(writeXml(deep, deepText));
}

TEST(XmlWriter, a_file_is_replaced_whole_or_not_at_all)
{
    const auto file = tempPath("xml_writer_replace.xml");
    std::ofstream(file) << "old";
    // A half-written file of an earlier run is no obstacle.
    std::ofstream(file.string() + ".new") << "<Half";
    EXPECT_TRUE(replaceFileContents(file.string(), "new"));
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));

    // A file that cannot be renamed over (here a folder in its way) stays as
    // it was, and nothing is left beside it.
    const auto folder = tempPath("xml_writer_folder");
    std::filesystem::create_directories(folder / "inside");
    EXPECT_FALSE(replaceFileContents(folder.string(), "text"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder.string() + ".new"));
    EXPECT_FALSE(replaceFileContents((file / "below_a_file").string(), "text"));
    std::filesystem::remove_all(folder);
    std::filesystem::remove(file);
}

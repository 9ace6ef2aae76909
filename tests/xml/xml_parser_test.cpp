#include "xml/load_xml_file.h"

#include <gtest/gtest.h>

TEST(XmlParser, text_is_trimmed_joined_and_decoded_in_a_fixed_order)
{
    EXPECT_EQ(scanXmlText("<Text>\n  one \r\n\ttwo\n three  \n</Text>")->text(), "onetwothree");
    // The last text run of an element wins; the child stays.
    auto root = scanXmlText("<A>  first <B/> second  </A>");
    EXPECT_EQ(root->text(), "second");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->parent(), root.get());

    root = scanXmlText("<T a=\"&lt;\">&lt;&gt; &amp;lt; &amp;amp; &amp;quot; &#65;</T>");
    EXPECT_EQ(root->text(), "<> &lt; & \" &#65;");
    EXPECT_EQ(root->attribute("a").asString(), "&lt;");
}

TEST(XmlParser, tags_in_every_spelling)
{
    for (const char *text : {"<Rect x=\"1\" y=\"2\"></Rect>", "<Rect x=\"1\" y=\"2\"/>", "<Rect\n x = \"1\"\n  y=\"2\"\n/>",
                             "<Rect\r\nx=\"1\"\r\ny=\"2\">\r\n</Rect>"}) {
        auto root = scanXmlText(text);
        ASSERT_NE(root, nullptr) << text;
        EXPECT_EQ(root->name() + root->attribute("x").asString() + root->attribute("y").asString(), "Rect12") << text;
    }
    // Blanks inside quotes stay in the value; the first value of a name wins.
    auto root = scanXmlText("<Message text=\"Get the key\" x=\"3\" x=\"4\"/>");
    EXPECT_EQ(root->attribute("text").asString(), "Get the key");
    EXPECT_EQ(root->attribute("x").asString(), "3");
    // A single word before the "=" names the element; a tag without a name is none.
    EXPECT_EQ(scanXmlText("<A><x=\"1\" y=\"2\"/></A>")->child(0)->name(), "x");
    EXPECT_EQ(scanXmlText("<=\"1\"><=>"), nullptr);
}

TEST(XmlParser, comments_and_declarations_are_skipped)
{
    auto root = scanXmlText("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE x>\n"
                            "<GorlakSettings><!-- note --><Width>3</Width></GorlakSettings>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->name(), "GorlakSettings");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->text(), "3");
    // A ">" inside a comment ends it; the rest is text of the open element.
    EXPECT_EQ(scanXmlText("<A><!-- a > b --></A>")->text(), "b -->");
}

TEST(XmlParser, unbalanced_input_is_handled_safely)
{
    EXPECT_EQ(scanXmlText("just text"), nullptr);
    // Any end tag closes the innermost element; stray ones are ignored.
    EXPECT_EQ(scanXmlText("</x><A><B></C><D></A></A></A>")->childCount(), 2);
    // Open elements at the end stay; an unfinished tag is dropped.
    auto root = scanXmlText("<A><B>text<C");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->text(), "text");
    EXPECT_EQ(root->child(0)->childCount(), 0);
    // A second top element is skipped with its content.
    root = scanXmlText("<A><B/></A><X><Y/><Z>t</Z></X><C/>");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->name(), "B");
}

TEST(XmlParser, deep_nesting_loads_and_frees_without_recursion)
{
    const int depth = 100000;
    std::string text;
    for (int i = 0; i < 2 * depth; ++i)
        text += i < depth ? "<a>" : "</a>\n";
    auto root = scanXmlText(text);
    int levels = 0;
    for (XmlNode *node = root.get(); node != nullptr; node = node->childCount() > 0 ? node->child(0) : nullptr)
        ++levels;
    EXPECT_EQ(levels, depth);
}

#include "scan_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Records the events, to check what reaches a handler.
class EventLog : public XmlContentHandler {
public:
    void startDocument() override { log += "[doc"; }
    void endDocument() override { log += "]"; }
    void characters(const std::string &text) override { log += "'" + text + "'"; }
    void startElement(const std::string &name, const XmlAttributeMap &attributes) override
    {
        log += "<" + name;
        for (const auto &[key, value] : attributes) {
            log += " " + key + "=" + value.asString();
        }
        log += ">";
    }
    void endElement(const std::string &name) override { log += "</" + name + ">"; }
    std::string log;
};

std::string events(const std::string &text)
{
    std::istringstream input(text);
    EventLog log;
    XmlParser parser;
    parser.setHandler(&log);
    parser.parse(input);
    return log.log;
}

}  // namespace

TEST(XmlParser, text_is_trimmed_joined_and_decoded_in_a_fixed_order)
{
    EXPECT_EQ(scanText("<Text>\n  one \r\n\ttwo\n three  \n</Text>")->text(), "onetwothree");
    // The last text run of an element wins; the child stays.
    auto root = scanText("<A>  first <B/> second  </A>");
    EXPECT_EQ(root->text(), "second");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->parent(), root.get());

    root = scanText("<T a=\"&lt;\">&lt;&gt; &amp;lt; &amp;amp; &amp;quot; &#65;</T>");
    EXPECT_EQ(root->text(), "<> &lt; & \" &#65;");
    EXPECT_EQ(root->attribute("a").asString(), "&lt;");
}

TEST(XmlParser, tags_in_every_spelling)
{
    for (const char *text : {"<Rect x=\"1\" y=\"2\"></Rect>", "<Rect x=\"1\" y=\"2\"/>", "<Rect x=\"1\" y=\"2\" />",
                             "<Rect\n x = \"1\"\n  y=\"2\"\n/>"}) {
        EXPECT_EQ(events(text), "[doc<Rect x=1 y=2></Rect>]") << text;
    }
    EXPECT_EQ(events("<a/><>< ></b>"), "[doc<a></a></b>]");
    EXPECT_EQ(events("<Message text=\"Get the key\" x=\"3\">"), "[doc<Message text=Get the key x=3>]");
    // The first value of a name wins; delimiters are not checked.
    EXPECT_EQ(events("<A x=\"1\" x=\"2\"/>"), "[doc<A x=1></A>]");
    EXPECT_EQ(events("<A x='5' y=7 w=\"\" z=/>"), "[doc<A w= x=5 y= z=></A>]");
    // A single word before the "=" names the element.
    EXPECT_EQ(events("<A><x=\"1\" y=\"2\"/></A>"), "[doc<A><x x=1 y=2></x></A>]");
    EXPECT_EQ(events("<=\"1\"><=>"), "[doc]");

    EventLog log;
    XmlParser parser;
    parser.setHandler(&log);
    parser.parse("/nonexistent/settings.xml");
    EXPECT_EQ(log.log, "[doc]");
}

TEST(XmlParser, comments_and_declarations_are_skipped)
{
    auto root = scanText("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE x>\n"
                         "<GorlakSettings><!-- note --><Width>3</Width></GorlakSettings>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->name(), "GorlakSettings");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->text(), "3");
    // A ">" inside a comment ends it; the rest is text of the open element.
    EXPECT_EQ(scanText("<A><!-- a > b --></A>")->text(), "b -->");
}

TEST(XmlParser, unbalanced_input_is_handled_safely)
{
    EXPECT_EQ(scanText(""), nullptr);
    EXPECT_EQ(scanText("just text"), nullptr);
    // Any end tag closes the innermost element; stray ones are ignored.
    EXPECT_EQ(scanText("</x><A><B></C><D></A></A></A>")->childCount(), 2);
    // Open elements at the end stay; an unfinished tag is dropped.
    auto root = scanText("<A><B>text<C");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->text(), "text");
    EXPECT_EQ(root->child(0)->childCount(), 0);
    // A second top element is skipped with its content.
    root = scanText("<A><B/></A><X><Y/><Z>t</Z></X><C/>");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->name(), "B");
    EXPECT_EQ(root->text(), "");
}

TEST(XmlParser, deep_nesting_loads_and_frees_without_recursion)
{
    const int depth = 100000;
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "<a>";
    }
    for (int i = 0; i < depth; ++i) {
        text += "</a>\n";
    }
    auto root = scanText(text);
    int levels = 0;
    for (XmlNode *node = root.get(); node != nullptr; node = node->childCount() > 0 ? node->child(0) : nullptr) {
        ++levels;
    }
    EXPECT_EQ(levels, depth);
}

#include "xml/string_utils.h"
#include "xml/text_rules.h"
#include "xml/xml_value.h"

#include <gtest/gtest.h>

TEST(TextRules, numbers_take_the_leading_digits_or_keep_the_variable)
{
    std::int32_t value = 5;
    EXPECT_TRUE(parseText(" 42abc", value));
    EXPECT_FALSE(parseText("abc", value));
    EXPECT_FALSE(parseText("99999999999", value));
    EXPECT_EQ(value, 42);

    std::uint32_t count = 3;
    EXPECT_TRUE(parseText("4000000000", count));
    EXPECT_FALSE(parseText(" -1", count));
    EXPECT_EQ(count, 4000000000u);

    float number = 1.0f;
    EXPECT_FALSE(parseText("1e999", number));
    bool flag = true;
    EXPECT_FALSE(parseText("2", flag));
    EXPECT_TRUE(number == 1.0f && flag);

    // Values convert through their text, with a fallback when it does not parse.
    EXPECT_FLOAT_EQ(XmlValue(5).asFloat(0.0f), 5.0f);
    EXPECT_EQ(XmlValue("wide").asInt(17), 17);
}

TEST(TextRules, formatting_keeps_every_digit_a_float_needs)
{
    EXPECT_EQ(formatText(30.0f), "30");
    EXPECT_EQ(formatText(1234567.0f), "1234567");
    for (float value : {0.1234567f, 3.14159274f, -1.0e-30f}) {
        float again = 0.0f;
        EXPECT_TRUE(parseText(formatText(value), again));
        EXPECT_EQ(again, value) << formatText(value);
    }
}

TEST(StringUtils, trim_and_replace_all)
{
    EXPECT_EQ(trim("\t a \t"), "a");
    // Replacing resumes after the replacement, so passes can uncover more.
    EXPECT_EQ(replaceAll("&amp;", "&", "x&amp;amp;amp;y&amp;"), "x&y&");
    EXPECT_EQ(replaceAll("&amp;", "&", "&amp;amp;amp;", 2), "&amp;");
    // Passes that could never end replace nothing.
    EXPECT_EQ(replaceAll("", "x", "abc"), "abc");
    EXPECT_EQ(replaceAll("a", "aa", "abc"), "abc");
}

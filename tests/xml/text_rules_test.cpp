#include "xml/string_utils.h"
#include "xml/text_rules.h"
#include "xml/xml_value.h"

#include <gtest/gtest.h>

#include <optional>

// Every form a number can take in a data file, read as the game has always
// read them: the longest number at the start, nothing read otherwise, and
// the variable kept when nothing is read.
TEST(TextRules, number_forms_read_the_longest_number_at_the_start_or_keep_the_variable)
{
    const struct {
        const char *text;
        std::optional<std::int32_t> integer;
        std::optional<float> real;
    } cases[] = {
        {"\n\t\v\f\r 3", 3, 3.0f},
        {"+7", 7, 7.0f},
        {"-2147483648", INT32_MIN, -2147483648.0f},
        {"2147483648", std::nullopt, 2147483648.0f},
        {"+-5", std::nullopt, std::nullopt},
        {"0x1p3", 0, 0.0f},
        {".5", std::nullopt, 0.5f},
        {"5.e1x", 5, 50.0f},
        {"1.2.3", 1, 1.2f},
        {"-.5E-3", std::nullopt, -0.0005f},
        {"1e5e5", 1, 1.0e5f},
        {"1e", 1, std::nullopt},
        {"1e+", 1, std::nullopt},
        {"e5", std::nullopt, std::nullopt},
        {".", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
        {"-3.5e38", -3, std::nullopt},
        {"1e-50", 1, 0.0f},
        {" 42abc", 42, 42.0f},
        {"99999999999", std::nullopt, 99999999999.0f},
        {"1e999", 1, std::nullopt},
    };
    for (const auto &c : cases) {
        std::int32_t integer = 99;
        float real = 99.0f;
        EXPECT_EQ(parseText(c.text, integer), c.integer.has_value()) << c.text;
        EXPECT_EQ(integer, c.integer.value_or(99)) << c.text;
        EXPECT_EQ(parseText(c.text, real), c.real.has_value()) << c.text;
        EXPECT_EQ(real, c.real.value_or(99.0f)) << c.text;
    }
    std::uint32_t count = 3;
    EXPECT_FALSE(parseText("-0", count));
    EXPECT_FALSE(parseText("4294967296", count));
    EXPECT_FALSE(parseText(" -1", count));
    EXPECT_TRUE(parseText("+4294967295", count));
    EXPECT_EQ(count, 4294967295u);
    bool flag = true;
    EXPECT_FALSE(parseText("2", flag));
    EXPECT_TRUE(flag);

    // Values convert through their text, with a fallback when it does not parse.
    EXPECT_FLOAT_EQ(XmlValue(5).asFloat(0.0f), 5.0f);
    EXPECT_EQ(XmlValue("wide").asInt(17), 17);
}

TEST(TextRules, formatting_keeps_every_digit_a_float_needs)
{
    EXPECT_EQ(formatText(30.0f), "30");
    EXPECT_EQ(formatText(1234567.0f), "1234567");
    EXPECT_EQ(formatText(0.25f), "0.25");
    EXPECT_EQ(formatText(1.0e-5f), "1e-05");
    EXPECT_EQ(formatText(16777216.0f), "16777216");
    EXPECT_EQ(formatText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(formatText(4294967295u), "4294967295");
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

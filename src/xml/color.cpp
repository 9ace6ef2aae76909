#include "xml/color.h"

#include "xml/xml_reader.h"

void Color::serialize(XmlReader &reader)
{
    std::int32_t red = r;
    std::int32_t green = g;
    std::int32_t blue = b;
    std::int32_t alpha = a;
    reader.attribute(red, "r");
    reader.attribute(green, "g");
    reader.attribute(blue, "b");
    reader.attribute(alpha, "a");
    if (reader.isWriting()) {
        return;
    }
    r = static_cast<std::uint8_t>(red & 0xff);
    g = static_cast<std::uint8_t>(green & 0xff);
    b = static_cast<std::uint8_t>(blue & 0xff);
    a = static_cast<std::uint8_t>(alpha & 0xff);
}

#include "xml/rect.h"

#include "xml/xml_reader.h"

void Rect::serialize(XmlReader &reader)
{
    reader.attribute(x, "x");
    reader.attribute(y, "y");
    reader.attribute(w, "w");
    reader.attribute(h, "h");
}

#include "xml/xml_parser.h"

#include "xml/string_utils.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view skipBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view trimView(std::string_view text)
{
    text = skipBlanks(text);
    const std::size_t last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

void XmlParser::parse(std::string_view text)
{
    XmlContentHandler ignore;
    if (handler == nullptr) {
        handler = &ignore;
    }
    handler->startDocument();
    // After the last "\n" only a non-empty rest is one more line.
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        scanLine(line);
    }
    handler->endDocument();
    if (handler == &ignore) {
        handler = nullptr;
    }
}

void XmlParser::scanLine(std::string_view line)
{
    // Every part after a "<" or ">" starts without blanks; the line's own
    // ends are trimmed too.
    std::string_view rest = trimView(line);
    while (!rest.empty()) {
        if (!inTag) {
            const std::size_t open = rest.find('<');
            if (open == std::string_view::npos) {
                textBuffer += rest;
                break;
            }
            textBuffer += rest.substr(0, open);
            inTag = true;
            flushText();
            rest = skipBlanks(rest.substr(open + 1));
        } else {
            const std::size_t close = rest.find('>');
            if (close == std::string_view::npos) {
                tagBuffer += rest;
                break;
            }
            tagBuffer += rest.substr(0, close);
            inTag = false;
            handleTag();
            rest = skipBlanks(rest.substr(close + 1));
        }
    }
    // A tag going on over the next line keeps a blank in place of the line
    // break, so attributes on separate lines stay separate.
    if (inTag && !tagBuffer.empty() && tagBuffer.back() != ' ') {
        tagBuffer += ' ';
    }
}

void XmlParser::flushText()
{
    if (textBuffer.empty()) {
        return;
    }
    const std::string text = trim(textBuffer);
    textBuffer.clear();
    handler->characters(text);
}

void XmlParser::handleTag()
{
    const std::string content = trim(tagBuffer);
    tagBuffer.clear();
    if (content.empty()) {
        return;
    }
    if (content.front() == '/') {
        handler->endElement(content.substr(1));
        return;
    }
    // Comments, document types, character data sections, declarations and
    // processing instructions carry nothing the game reads.
    if (content.front() == '!' || content.front() == '?') {
        return;
    }
    handleStartTag(content);
}

void XmlParser::handleStartTag(std::string_view content)
{
    const bool isEmptyElement = content.back() == '/';
    if (isEmptyElement) {
        content.remove_suffix(1);
    }
    std::string name = content.find('=') == std::string_view::npos ? std::string(content) : parseAttributes(content);
    name = trim(name);
    if (name.empty()) {
        pendingAttributes.clear();
        return;
    }
    handler->startElement(name, pendingAttributes);
    pendingAttributes.clear();
    if (isEmptyElement) {
        handler->endElement(name);
    }
}

std::string XmlParser::parseAttributes(std::string_view content)
{
    // Each round takes the attribute around the first "=" of what is left:
    // its name is the last word before the "=", its value the token after it
    // up to the first blank outside quotes, without its first and last
    // character. What is not an attribute stays as the element's name.
    // `kept` holds that text, `tail` the part of the tag not yet looked at.
    std::string kept;
    std::size_t tail = 0;
    // Set while `kept` is one word that has already been stored as an
    // attribute name: further rounds with nothing new in front of their
    // "=" name it again, which changes nothing, so the word is not scanned
    // or copied again (that made a long word with many "=" quadratic).
    bool keptNamed = false;
    while (true) {
        const std::size_t equals = content.find('=', tail);
        if (equals == std::string_view::npos) {
            break;
        }
        std::string attributeName;
        std::string_view before = content.substr(tail, equals - tail);
        const std::size_t beforeEnd = before.find_last_not_of(kBlanks);
        before = beforeEnd == std::string_view::npos ? std::string_view() : before.substr(0, beforeEnd + 1);
        const std::size_t blank = before.find_last_of(kBlanks);
        bool named = true;
        if (blank != std::string_view::npos) {
            attributeName = before.substr(blank + 1);
            kept += before.substr(0, blank);
            keptNamed = false;
        } else if (before.empty() && keptNamed) {
            named = false;
        } else {
            // Nothing new in front of the "=" but one word (or nothing): the
            // name is the last word of the kept text. A lone word names both
            // the attribute and the element, so the element still opens and
            // its end tag closes it.
            kept += before;
            const std::size_t keptEnd = kept.find_last_not_of(kBlanks);
            kept.resize(keptEnd == std::string::npos ? 0 : keptEnd + 1);
            const std::size_t keptBlank = kept.find_last_of(kBlanks);
            if (keptBlank == std::string::npos) {
                attributeName = kept;
                keptNamed = true;
            } else {
                attributeName = kept.substr(keptBlank + 1);
                kept.resize(keptBlank);
            }
        }

        std::string value;
        const std::size_t valueStart = content.find_first_not_of(kBlanks, equals + 1);
        if (valueStart == std::string_view::npos) {
            tail = content.size();
        } else {
            const std::size_t valueEnd = findFirstOfOutsideQuotes(kBlanks, content, valueStart);
            tail = valueEnd == std::string_view::npos ? content.size() : valueEnd;
            const std::string_view token = content.substr(valueStart, tail - valueStart);
            if (token.size() >= 2) {
                value = token.substr(1, token.size() - 2);
            }
        }
        // The first occurrence of a name in a tag wins.
        if (named) {
            pendingAttributes.emplace(attributeName, XmlValue(value));
        }
    }
    kept += content.substr(tail);
    return kept;
}

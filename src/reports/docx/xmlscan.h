// A small scanner over the tags of an XML part: enough to find WordprocessingML elements and edit them in place.
#pragma once

#include "model/result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trellon::docx {

struct XmlRange {
    std::size_t begin = 0;
    std::size_t end = 0; // one past the last byte

    std::size_t size() const { return end - begin; }
    friend bool operator==(const XmlRange&, const XmlRange&) = default;
};

enum class TagKind { start, end, empty };

struct XmlTag {
    XmlRange range;        // from '<' to one past '>'
    std::string_view name; // qualified name, e.g. "w:p"
    TagKind kind = TagKind::start;
};

// The tags of xml in document order, their names viewing xml, which must outlive them; the declaration, comments,
// processing instructions and CDATA sections are skipped. Refuses a tag that is never closed and an end tag that does
// not match its start tag.
Result<std::vector<XmlTag>> scanTags(std::string_view xml);

// Elements named `name`, each from its start tag to one past its end tag (an empty-element tag on its own),
// in document order of their start tags. Nested elements of the same name are listed as well.
std::vector<XmlRange> elementsNamed(const std::vector<XmlTag>& tags, std::string_view name);

// The innermost element named `name` that holds all of `inner`.
std::optional<XmlRange> enclosingElement(const std::vector<XmlTag>& tags, XmlRange inner, std::string_view name);

// Text content with its five entities and character references resolved; malformed references stay as written.
std::string unescapeXml(std::string_view text);

// UTF-8 text made safe for element content and attribute values: & < > " escaped, and the control characters
// XML 1.0 does not allow (all below U+0020 except tab, line feed and carriage return) left out.
std::string escapeXml(std::string_view text);

} // namespace trellon::docx

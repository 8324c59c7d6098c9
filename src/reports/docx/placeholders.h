// Placeholders "{{name}}" in the text of WordprocessingML paragraphs, found also where an editor has split one
// over several runs.
#pragma once

#include "xmlscan.h"

#include "model/result.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trellon::docx {

// Values by placeholder name; a "\n" in a value becomes a line break.
using PlaceholderValues = std::map<std::string, std::string, std::less<>>;

// "{{name}}"
std::string placeholder(std::string_view name);

// The text of one paragraph (w:p) as its w:t elements spell it, entities resolved.
struct ParagraphText {
    XmlRange range;
    std::string text;
};

// Paragraph texts in document order. A paragraph inside another (in a text box) holds its own text only.
std::vector<ParagraphText> paragraphTexts(std::string_view xml, const std::vector<XmlTag>& tags);

// Replaces every placeholder that has a value. The value takes the formatting of the run holding the
// placeholder's first character; the rest of the placeholder is removed from the runs it spans. Placeholders
// without a value stay as they are. Refuses malformed XML.
Result<std::string> fillPlaceholders(std::string_view xml, const PlaceholderValues& values);

// The innermost element named `element` ("w:p", "w:tr", …) around the first paragraph whose text contains
// `text`; nothing when no paragraph does. Refuses malformed XML.
Result<std::optional<XmlRange>> findElementAround(std::string_view xml, std::string_view text,
                                                  std::string_view element);

} // namespace trellon::docx

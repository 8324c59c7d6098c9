// Block content (tables, paragraphs) put where a paragraph holds a mark, splitting that paragraph around it.
#pragma once

#include "model/result.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace trellon::docx {

// In paragraph number `paragraphIndex` (document order), whose text holds `mark` within one w:t, replaces the
// mark by `blockXml`: the paragraph is closed before the block and reopened after it with its properties and those
// of the mark's run, less a page break before. So whatever surrounds the mark keeps its side of the block, a page
// break an editor moved to the end of the paragraph included. The reopened part is left out when it holds no text
// and no break, drawing or field. Refuses malformed XML and a paragraph without the mark in one w:t.
Result<std::string> splitParagraphAround(std::string_view xml, std::size_t paragraphIndex, std::string_view mark,
                                         std::string_view blockXml);

} // namespace trellon::docx

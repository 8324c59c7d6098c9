// The tables of written WordprocessingML as the texts of their cells, for checks of the Word reports.
#pragma once

#include "reports/docx/xmlscan.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace trellon::testing {

struct WrittenRow {
    std::vector<std::string> cells; // the text of each w:tc
    bool repeats = false;           // a w:tblHeader row
};
using WrittenTable = std::vector<WrittenRow>;

// Every w:tbl of xml in document order; xml must have one root element.
inline std::vector<WrittenTable> writtenTables(std::string_view xml)
{
    auto scanned = docx::scanTags(xml);
    EXPECT_TRUE(scanned.ok());
    std::vector<WrittenTable> tables;
    if (!scanned)
        return tables;
    const auto& tags = scanned.value();
    bool inCell = false;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const docx::XmlTag& tag = tags[i];
        if (tag.name == "w:tc")
            inCell = tag.kind == docx::TagKind::start;
        if (tag.kind == docx::TagKind::end)
            continue;
        if (tag.name == "w:tbl")
            tables.emplace_back();
        else if (tag.name == "w:tr")
            tables.back().emplace_back();
        else if (tag.name == "w:tblHeader")
            tables.back().back().repeats = true;
        else if (tag.name == "w:tc")
            tables.back().back().cells.emplace_back();
        else if (tag.name == "w:t" && tag.kind == docx::TagKind::start && inCell)
            tables.back().back().cells.back() +=
                docx::unescapeXml(xml.substr(tag.range.end, tags[i + 1].range.begin - tag.range.end));
    }
    return tables;
}

} // namespace trellon::testing

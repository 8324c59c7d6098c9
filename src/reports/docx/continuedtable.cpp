// Cloning a template table's start for each part of a long table.
#include "continuedtable.h"

#include "tablejoint.h"

#include <algorithm>
#include <optional>

namespace trellon::docx {
namespace {

// The first element named `name` within `outer`.
std::optional<XmlRange> firstWithin(const std::vector<XmlTag>& tags, XmlRange outer, std::string_view name)
{
    for (const XmlRange& element : elementsNamed(tags, name)) {
        if (outer.begin <= element.begin && element.end <= outer.end)
            return element;
    }
    return std::nullopt;
}

// The table's start up to its first replaced row, with its top and bottom borders joined as asked.
class TableStart {
public:
    TableStart(std::string_view xml, const std::vector<XmlTag>& tags, XmlRange table, XmlRange replaced)
        : xml_(xml.substr(table.begin, replaced.begin - table.begin)), offset_(table.begin)
    {
        const auto properties = firstWithin(tags, {table.begin, replaced.begin}, "w:tblPr");
        const auto borders = properties ? firstWithin(tags, *properties, "w:tblBorders") : std::nullopt;
        if (borders) {
            top_ = firstWithin(tags, *borders, "w:top");
            bottom_ = firstWithin(tags, *borders, "w:bottom");
        }
    }

    std::string xml(bool topJoined, bool bottomJoined) const
    {
        std::string out(xml_);
        // The bottom border follows the top one, so replacing it first keeps the top one's offsets.
        if (bottomJoined && bottom_)
            replace(out, *bottom_, tableBorderXml("bottom", Edge::joined));
        if (topJoined && top_)
            replace(out, *top_, tableBorderXml("top", Edge::joined));
        return out;
    }

private:
    void replace(std::string& out, XmlRange element, const std::string& with) const
    {
        out.replace(element.begin - offset_, element.size(), with);
    }

    std::string_view xml_;
    std::size_t offset_;
    std::optional<XmlRange> top_;
    std::optional<XmlRange> bottom_;
};

} // namespace

std::string continuedTableXml(std::string_view xml, const std::vector<XmlTag>& tags, XmlRange table, XmlRange replaced,
                              std::span<const std::string> rows, std::size_t maxRowsPerTable)
{
    maxRowsPerTable = std::max<std::size_t>(maxRowsPerTable, 1);
    const TableStart start(xml, tags, table, replaced);
    const std::size_t parts = std::max<std::size_t>(1, (rows.size() + maxRowsPerTable - 1) / maxRowsPerTable);
    std::string out;
    for (std::size_t p = 0; p < parts; ++p) {
        const bool last = p + 1 == parts;
        out += start.xml(p > 0, !last);
        for (const std::string& row : rows.subspan(p * maxRowsPerTable, last ? std::dynamic_extent : maxRowsPerTable))
            out += row;
        if (last)
            out += xml.substr(replaced.end, table.end - replaced.end);
        else
            out += "</w:tbl>" + jointParagraphXml();
    }
    return out;
}

} // namespace trellon::docx

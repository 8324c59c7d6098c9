// Cutting table rows into parts of bounded size.
#include "tableparts.h"

#include <algorithm>

namespace trellon::docx {

std::vector<std::span<const TableRow>> cutIntoParts(std::span<const TableRow> rows, std::size_t maxRows)
{
    maxRows = std::max<std::size_t>(maxRows, 1);
    std::vector<std::span<const TableRow>> parts;
    std::size_t partBegin = 0;
    std::size_t groupBegin = 0;
    while (groupBegin < rows.size()) {
        std::size_t groupEnd = groupBegin + 1;
        while (groupEnd < rows.size() && rows[groupEnd].keepsWithRowAbove)
            ++groupEnd;
        if (groupEnd - partBegin > maxRows) {
            if (groupBegin > partBegin) {
                parts.push_back(rows.subspan(partBegin, groupBegin - partBegin));
                partBegin = groupBegin;
            }
            for (; groupEnd - partBegin > maxRows; partBegin += maxRows)
                parts.push_back(rows.subspan(partBegin, maxRows));
        }
        groupBegin = groupEnd;
    }
    if (partBegin < rows.size())
        parts.push_back(rows.subspan(partBegin));
    return parts;
}

} // namespace trellon::docx

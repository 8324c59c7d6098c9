// The evaluation report laid out on A4 pages and drawn one page at a time, for the evaluation window, its PDF and
// the command line: paragraphs and table rows measured with the fonts' metrics, rows never split, tables cut
// between rows with their column headings repeated, a heading kept with what follows it, and "第 i 页  共 N 页"
// at the foot of every page.
#pragma once

#include "pageddocument.h"

#include "evaluation/evaluationreport.h"

#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace trellon {

// Where the report's text lies on a page, in twips from the top-left corner of the printable area.
namespace reportpage {
constexpr int margin = 1020; // 18 mm from the sheet's edges
constexpr int left = margin - sheet::printableMargin;
constexpr int top = margin - sheet::printableMargin;
constexpr int footerHeight = 400;
constexpr int textWidth = sheet::width - 2 * margin;
constexpr int textHeight = sheet::height - 2 * margin - footerHeight;
} // namespace reportpage

class EvaluationPages final : public PagedDocument {
public:
    // What a page holds of one block of the report, and where.
    struct Piece {
        std::size_t block = 0;
        std::int32_t firstRow = 0; // a table's rows [firstRow, endRow), below its column headings
        std::int32_t endRow = 0;
        int top = 0; // twips below the top of the text area
        int height = 0;
    };
    using Page = std::vector<Piece>;

    // Lays the report out. When `stop` turns true meanwhile, the layout ends early with no pages.
    explicit EvaluationPages(EvaluationReport report, const std::atomic<bool>* stop = nullptr);

    const EvaluationReport& report() const { return report_; }
    const std::vector<Page>& pages() const { return pages_; }
    std::int32_t pageCount() const override { return static_cast<std::int32_t>(pages_.size()); }
    void paintPage(QPainter& painter, std::int32_t page) const override;

private:
    struct BlockLayout {
        int height = 0; // a table's: its column headings
        std::vector<int> rowHeights;
        std::vector<double> columns;
    };

    bool measure(const std::atomic<bool>* stop);
    void paginate();
    // The height that must stand on one page from block `block` on: a block that keeps with the next one, the
    // next one's first line or row with it.
    int keptHeight(std::size_t block) const;

    EvaluationReport report_;
    std::vector<BlockLayout> layouts_;
    std::vector<Page> pages_;
};

// The text of page `page`'s footer.
QString evaluationFooterText(std::int32_t page, std::int32_t total);

} // namespace trellon

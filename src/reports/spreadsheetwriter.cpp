// The spreadsheet report on libxlsxwriter.
#include "spreadsheetwriter.h"

#include "model/atomicfile.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

namespace trellon {

namespace {

constexpr const char* workbookName = "report.xlsx";
constexpr const char* cellFont = "宋体";
constexpr std::uint16_t a4Paper = 9;

// Frame edges a cell or merged range touches.
enum Edge : unsigned { top = 1, bottom = 2, left = 4, right = 8 };

Error writerError(const std::string& what, lxw_error error)
{
    return Error{ErrorKind::cannotWrite, "spreadsheet: " + what + ": " + lxw_strerror(error), std::nullopt};
}

// The workbook being built: its formats, made once per heading flag and edge set.
class WorkbookBuilder {
public:
    WorkbookBuilder(const std::string& path, const std::string& folder)
    {
        lxw_workbook_options options{};
        options.tmpdir = const_cast<char*>(folder.c_str());
        workbook_ = workbook_new_opt(path.c_str(), &options);
    }
    ~WorkbookBuilder()
    {
        if (workbook_ != nullptr)
            workbook_close(workbook_);
    }
    WorkbookBuilder(const WorkbookBuilder&) = delete;
    WorkbookBuilder& operator=(const WorkbookBuilder&) = delete;

    Status build(const ExcelReportLayout& layout);
    Status close()
    {
        const lxw_error error = workbook_close(workbook_);
        workbook_ = nullptr;
        if (error != LXW_NO_ERROR)
            return writerError("cannot write the workbook", error);
        return success();
    }

private:
    lxw_format* format(bool heading, unsigned edges);
    Status writeCell(const SheetCell& cell, unsigned edges);
    Status frameEmptyEdgeCells(const ExcelReportLayout& layout);

    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::map<unsigned, lxw_format*> formats_;
};

unsigned edgesOf(std::int32_t row, std::int32_t column, std::int32_t lastRow, std::int32_t lastColumn,
                 std::int32_t rowCount)
{
    unsigned edges = 0;
    if (row == 0)
        edges |= top;
    if (lastRow == rowCount - 1)
        edges |= bottom;
    if (column == 0)
        edges |= left;
    if (lastColumn == excelReportColumns - 1)
        edges |= right;
    return edges;
}

lxw_format* WorkbookBuilder::format(bool heading, unsigned edges)
{
    const unsigned key = (heading ? 16u : 0u) | edges;
    if (const auto found = formats_.find(key); found != formats_.end())
        return found->second;
    lxw_format* made = workbook_add_format(workbook_);
    format_set_font_name(made, cellFont);
    format_set_align(made, LXW_ALIGN_CENTER);
    format_set_align(made, LXW_ALIGN_VERTICAL_CENTER);
    if (edges & top)
        format_set_top(made, LXW_BORDER_MEDIUM);
    if (edges & bottom)
        format_set_bottom(made, LXW_BORDER_MEDIUM);
    if (edges & left)
        format_set_left(made, LXW_BORDER_MEDIUM);
    if (edges & right)
        format_set_right(made, LXW_BORDER_MEDIUM);
    formats_[key] = made;
    return made;
}

Status WorkbookBuilder::writeCell(const SheetCell& cell, unsigned edges)
{
    lxw_format* style = format(cell.heading, edges);
    const auto row = static_cast<lxw_row_t>(cell.row);
    const auto column = static_cast<lxw_col_t>(cell.column);
    const auto* text = std::get_if<std::string>(&cell.value);
    lxw_error error = LXW_NO_ERROR;
    if (cell.merged())
        error = worksheet_merge_range(sheet_, row, column, static_cast<lxw_row_t>(cell.lastRow),
                                      static_cast<lxw_col_t>(cell.lastColumn), text ? text->c_str() : "", style);
    if (error == LXW_NO_ERROR && text == nullptr)
        error = worksheet_write_number(sheet_, row, column, std::get<std::int32_t>(cell.value), style);
    else if (error == LXW_NO_ERROR && !cell.merged())
        error = worksheet_write_string(sheet_, row, column, text->c_str(), style);
    if (error != LXW_NO_ERROR)
        return writerError("cannot write cell " + std::to_string(cell.row + 1) + ":" + std::to_string(cell.column + 1),
                           error);
    return success();
}

// Blank cells carrying the frame where the frame runs past cells without content.
Status WorkbookBuilder::frameEmptyEdgeCells(const ExcelReportLayout& layout)
{
    const auto rows = static_cast<std::size_t>(layout.rowCount);
    std::vector<bool> covered(rows * excelReportColumns, false);
    for (const SheetCell& cell : layout.cells)
        for (std::int32_t r = cell.row; r <= cell.lastRow; ++r)
            for (std::int32_t c = cell.column; c <= cell.lastColumn; ++c)
                covered[static_cast<std::size_t>(r) * excelReportColumns + static_cast<std::size_t>(c)] = true;
    for (std::int32_t r = 0; r < layout.rowCount; ++r) {
        for (std::int32_t c = 0; c < excelReportColumns; ++c) {
            const unsigned edges = edgesOf(r, c, r, c, layout.rowCount);
            if (edges == 0 || covered[static_cast<std::size_t>(r) * excelReportColumns + static_cast<std::size_t>(c)])
                continue;
            const lxw_error error = worksheet_write_blank(sheet_, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                                          format(false, edges));
            if (error != LXW_NO_ERROR)
                return writerError("cannot frame the table", error);
        }
    }
    return success();
}

Status WorkbookBuilder::build(const ExcelReportLayout& layout)
{
    if (workbook_ == nullptr)
        return Error{ErrorKind::cannotOpen, "spreadsheet: cannot start a workbook", std::nullopt};
    if (layout.rowCount > static_cast<std::int64_t>(LXW_ROW_MAX))
        return Error{ErrorKind::refused,
                     "spreadsheet: the table needs " + std::to_string(layout.rowCount) + " rows; a sheet holds " +
                         std::to_string(LXW_ROW_MAX),
                     std::nullopt};
    sheet_ = workbook_add_worksheet(workbook_, std::string(excelReportSheetName).c_str());
    if (sheet_ == nullptr)
        return Error{ErrorKind::cannotWrite, "spreadsheet: cannot add the sheet", std::nullopt};

    lxw_format* columnStyle = format(false, 0);
    for (std::int32_t c = 0; c < excelReportColumns; ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        worksheet_set_column(sheet_, column, column, layout.columnWidths[static_cast<std::size_t>(c)], columnStyle);
    }
    worksheet_set_paper(sheet_, a4Paper);
    worksheet_fit_to_pages(sheet_, 1, 0);
    worksheet_repeat_rows(sheet_, 0, excelReportHeadingRows - 1);

    for (const SheetCell& cell : layout.cells) {
        if (auto written =
                writeCell(cell, edgesOf(cell.row, cell.column, cell.lastRow, cell.lastColumn, layout.rowCount));
            !written)
            return written;
    }
    return frameEmptyEdgeCells(layout);
}

} // namespace

Result<SpreadsheetWriter> SpreadsheetWriter::start()
{
    std::error_code noTemporaryFolder;
    const auto temporary = std::filesystem::temp_directory_path(noTemporaryFolder);
    if (noTemporaryFolder)
        return Error{ErrorKind::cannotOpen, "spreadsheet: no temporary folder (" + noTemporaryFolder.message() + ")",
                     std::nullopt};
    std::string pattern = (temporary / "trellon-xlsx-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return Error{ErrorKind::cannotOpen,
                     "spreadsheet: cannot make a private folder (" + pattern + ": " + std::strerror(errno) + ")",
                     std::nullopt};
    return SpreadsheetWriter(std::move(pattern));
}

SpreadsheetWriter::SpreadsheetWriter(SpreadsheetWriter&& other) noexcept : folder_(std::move(other.folder_))
{
    other.folder_.clear();
}

SpreadsheetWriter::~SpreadsheetWriter()
{
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

Status SpreadsheetWriter::write(const std::string& path, const ExcelReportLayout& layout) const
{
    const std::string built = folder_ + "/" + workbookName;
    Status result = [&]() -> Status {
        WorkbookBuilder builder(built, folder_);
        if (auto done = builder.build(layout); !done)
            return done;
        if (auto closed = builder.close(); !closed)
            return closed;
        const auto bytes = readWholeFile(built);
        if (!bytes)
            return bytes.error();
        return writeFileAtomically(path, bytes.value(), std::string(spreadsheetCannotOpenDetail));
    }();
    std::error_code ignored;
    std::filesystem::remove(built, ignored);
    return result;
}

} // namespace trellon

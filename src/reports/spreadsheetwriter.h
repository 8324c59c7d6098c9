// Writes the spreadsheet report's layout as an .xlsx workbook.
#pragma once

#include "excelreport.h"

#include "model/result.h"

#include <string>
#include <string_view>

namespace trellon {

// Error detail of SpreadsheetWriter::write when the file cannot be created.
inline constexpr std::string_view spreadsheetCannotOpenDetail = "Can't create the spreadsheet file.";

// The workbook writer, with a private folder for the workbook while it is built; the folder goes with it.
class SpreadsheetWriter {
public:
    // Fails when the writer cannot start (no private folder can be made).
    static Result<SpreadsheetWriter> start();

    SpreadsheetWriter(SpreadsheetWriter&& other) noexcept;
    SpreadsheetWriter& operator=(SpreadsheetWriter&&) = delete;
    SpreadsheetWriter(const SpreadsheetWriter&) = delete;
    ~SpreadsheetWriter();

    // One sheet named excelReportSheetName with the layout's cells, merges and column widths, every cell centred,
    // a medium frame around the table and A4 pages one page wide with the headings repeated. The workbook is
    // built aside and then written to path atomically: a failure leaves no file and any previous one unchanged.
    // When path cannot be created the error is ErrorKind::cannotOpen with detail spreadsheetCannotOpenDetail.
    Status write(const std::string& path, const ExcelReportLayout& layout) const;

private:
    explicit SpreadsheetWriter(std::string folder) : folder_(std::move(folder)) {}

    std::string folder_;
};

} // namespace trellon

// What the evaluation report says, in reading order, for a page routine to lay out and draw: the title, per lot
// its verdict sentence, samples, values beyond the limit, sample sizes, histograms and members, then the members
// outside the lots. Texts are UTF-8 and written in Chinese, like every report of the program.
#pragma once

#include "acceptanceevaluation.h"

#include <string>
#include <variant>
#include <vector>

namespace trellon {

inline constexpr char evaluationReportTitle[] = "钢筋保护层厚度检验评定（GB 50204-2015 附录E）";
// The project's name in the report while it has no file.
inline constexpr char untitledProjectName[] = "无标题";

enum class ReportTextStyle { title, heading, subheading, body };

// A paragraph. Titles and headings stay on the page of what follows them, and so does a body paragraph that
// introduces the next block.
struct ReportParagraph {
    ReportTextStyle style = ReportTextStyle::body;
    std::string text;
    bool introducesNext = false;

    bool keepsWithNext() const { return introducesNext || style != ReportTextStyle::body; }
};

// A table with a row of column headings, repeated on every page the table runs over.
struct ReportTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows; // each as many cells as there are headings
};

// The covers a member accepts: designCover + lowerDeviation to designCover + upperDeviation.
struct AcceptedRange {
    double low = 0.0;
    double high = 0.0;
    double design = 0.0;
    bool operator==(const AcceptedRange&) const = default;
};

// The 1 mm classes of a sample over the accepted ranges of its members.
struct ReportHistogram {
    CoverHistogram classes;
    std::vector<AcceptedRange> ranges;
};

using ReportBlock = std::variant<ReportParagraph, ReportTable, ReportHistogram>;

struct EvaluationReport {
    std::vector<ReportBlock> blocks;
};

// The report of an evaluation of the project; projectName names the project in its opening line, date (as
// yyyy-MM-dd) is the day of the evaluation.
EvaluationReport evaluationReport(const Project& project, const AcceptanceEvaluation& evaluation,
                                  const std::string& projectName, const std::string& date);

// A figure to `decimals` places, a value exactly halfway rounded away from zero.
std::string decimalText(double value, int decimals);

} // namespace trellon

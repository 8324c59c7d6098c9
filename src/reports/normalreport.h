// The normal-format Word inspection report: cover, information page, results table with the conclusion,
// closing page, page headings and page numbers, filled into the template 报告样本.docx.
#pragma once

#include "normalconclusion.h"

#include "docx/docxpackage.h"
#include "docx/placeholders.h"
#include "docx/wordtable.h"
#include "model/project.h"
#include "model/reportparameters.h"
#include "model/result.h"

#include <string>
#include <string_view>

namespace trellon {

// The template's placeholders, each written {{name}}; resultsTable stands alone in its paragraph, which the
// table replaces. Every report parameter is offered, for templates restyled to show more of them.
namespace normalfield {
constexpr std::string_view reportNumber = "reportNumber";
constexpr std::string_view projectName = "projectName";
constexpr std::string_view strengthGrade = "strengthGrade";
constexpr std::string_view startDate = "startDate";
constexpr std::string_view testDate = "testDate";
constexpr std::string_view address = "address";
constexpr std::string_view structure = "structure";
constexpr std::string_view instrument = "instrument";
constexpr std::string_view staff = "staff";
constexpr std::string_view testContent = "testContent";
constexpr std::string_view client = "client";
constexpr std::string_view testUnit = "testUnit";
constexpr std::string_view builder = "builder";
constexpr std::string_view supervisor = "supervisor";
constexpr std::string_view designer = "designer";
constexpr std::string_view today = "today";
constexpr std::string_view projectParagraph = "projectParagraph";
constexpr std::string_view resultsTable = "resultsTable";
} // namespace normalfield

constexpr int readingsPerRow = 6;

struct NormalReport {
    docx::PlaceholderValues fields;
    // T + 4 rows: the section heading, two heading rows repeated on every page, T member rows, the conclusion.
    // A long one is written as consecutive tables, cut between members (docx::wordTableXml).
    docx::WordTable results;
    Verdict verdict;
};

// The project description of the information page, a line break inside it.
std::string projectParagraphText(const ReportParameters& parameters);

// The report of the checked members whose digit is "1" to "4", in array order, concluded on the project's
// conclusion basis. Member texts are the project's GBK bytes; parameters and today's date are the user's. Dates
// not chosen are today's.
NormalReport layOutNormalReport(const Project& project, const ReportParameters& parameters, CalendarDate today);

// Fills a copy of the template and writes it to outputPath atomically. Refuses a template without the
// resultsTable paragraph; nothing is written then.
Status writeNormalReport(const docx::DocxPackage& templatePackage, const NormalReport& report,
                         const std::string& outputPath);

} // namespace trellon

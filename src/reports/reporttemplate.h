// The Word report templates we ship and how a report fills one: finding it, opening it, its placeholders.
#pragma once

#include "docx/docxpackage.h"
#include "docx/placeholders.h"

#include "model/result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace trellon {

constexpr std::string_view normalTemplateName = "报告样本.docx";
constexpr std::string_view yunnanTemplateName = "云南报告.docx";

// Where a program in programDir looks for a template: its "templates" folder (the build tree), then
// ../share/trellon/templates (the installed tree). The first that exists; when none does, the first place,
// so that the error names it.
std::filesystem::path findReportTemplate(const std::filesystem::path& programDir, std::string_view name);

// A template that can be filled: a package with a main document part. Errors name the file.
Result<docx::DocxPackage> openReportTemplate(const std::string& path);

// Fills the placeholders of the main document and of every page header and footer.
Status fillTemplateFields(docx::DocxPackage& package, const docx::PlaceholderValues& values);

// fillTemplateFields, then `blockXml` (tables, paragraphs) in place of {{blockName}} in the main document, its
// paragraph split around it (docx::splitParagraphAround). That paragraph is found before filling, so no filled-in
// text is taken for it. Refuses a template without it.
Status fillTemplate(docx::DocxPackage& package, const docx::PlaceholderValues& values, std::string_view blockName,
                    const std::string& blockXml);

// The main document part of a package.
inline constexpr std::string_view mainDocumentPart = "word/document.xml";

// A template that cannot be filled as it stands.
Error reportTemplateError(std::string detail);

// "%d年%d月%d日" of a date.
std::string chineseDate(std::int32_t year, std::int32_t month, std::int32_t day);

} // namespace trellon

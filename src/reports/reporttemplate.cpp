// Template lookup and the filling steps both Word reports share.
#include "reporttemplate.h"

#include "docx/paragraphsplit.h"

#include <system_error>
#include <vector>

namespace trellon {
namespace {

bool isHeaderOrFooterPart(std::string_view name)
{
    return name.ends_with(".xml") && (name.starts_with("word/header") || name.starts_with("word/footer"));
}

// Index, in document order, of the first paragraph whose text holds `mark`.
Result<std::size_t> paragraphHolding(const std::string& document, const std::string& mark)
{
    auto tags = docx::scanTags(document);
    if (!tags)
        return reportTemplateError("the template's document cannot be read: " + tags.error().describe());
    const auto paragraphs = docx::paragraphTexts(document, tags.value());
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (paragraphs[i].text.find(mark) != std::string::npos)
            return i;
    }
    return reportTemplateError("the template has no paragraph holding " + mark);
}

} // namespace

std::filesystem::path findReportTemplate(const std::filesystem::path& programDir, std::string_view name)
{
    const std::filesystem::path file = std::filesystem::u8path(name);
    const std::filesystem::path places[] = {
        programDir / "templates" / file,
        programDir / ".." / "share" / "trellon" / "templates" / file,
    };
    for (const auto& place : places) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error))
            return place.lexically_normal();
    }
    return places[0].lexically_normal();
}

Result<docx::DocxPackage> openReportTemplate(const std::string& path)
{
    auto package = docx::DocxPackage::read(path);
    if (!package)
        return package.error();
    if (package.value().part(mainDocumentPart) == nullptr)
        return reportTemplateError(path + " holds no Word document (no " + std::string(mainDocumentPart) + ")");
    return package;
}

Status fillTemplateFields(docx::DocxPackage& package, const docx::PlaceholderValues& values)
{
    std::vector<std::string> names;
    for (const auto& part : package.parts()) {
        if (part.first == mainDocumentPart || isHeaderOrFooterPart(part.first))
            names.push_back(part.first);
    }
    for (const std::string& name : names) {
        auto filled = docx::fillPlaceholders(*package.part(name), values);
        if (!filled)
            return reportTemplateError("the template's part " + name + " cannot be read: " + filled.error().describe());
        package.setPart(name, std::move(filled.value()));
    }
    return success();
}

Status fillTemplate(docx::DocxPackage& package, const docx::PlaceholderValues& values, std::string_view blockName,
                    const std::string& blockXml)
{
    if (package.part(mainDocumentPart) == nullptr)
        return reportTemplateError("the template holds no Word document");
    const std::string mark = docx::placeholder(blockName);
    auto index = paragraphHolding(*package.part(mainDocumentPart), mark);
    if (!index)
        return index.error();
    // The block's own placeholder is filled with itself, which gathers it into one w:t where it was split.
    docx::PlaceholderValues withBlock = values;
    withBlock.insert_or_assign(std::string(blockName), mark);
    if (auto filled = fillTemplateFields(package, withBlock); !filled)
        return filled;
    // Filling adds no paragraph, so the block's paragraph keeps its place among them.
    auto split = docx::splitParagraphAround(*package.part(mainDocumentPart), index.value(), mark, blockXml);
    if (!split)
        return reportTemplateError("the template's document cannot take the " + std::string(blockName) + ": " +
                                   split.error().describe());
    package.setPart(std::string(mainDocumentPart), std::move(split.value()));
    return success();
}

Error reportTemplateError(std::string detail)
{
    return Error{ErrorKind::refused, std::move(detail), std::nullopt};
}

std::string chineseDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

} // namespace trellon

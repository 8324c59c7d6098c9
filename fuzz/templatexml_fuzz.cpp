// libFuzzer target for the report templates' XML: a template is a user's file (restyled in an office program), so
// any text is filled or refused, and a filled text is still well-formed.
#include "reports/docx/placeholders.h"
#include "reports/docx/xmlscan.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trellon::docx;
    const std::string_view xml(reinterpret_cast<const char*>(data), size);

    const PlaceholderValues values{{"a", "1"}, {"name", "工程<&>\n第二行"}};
    const auto filled = fillPlaceholders(xml, values);
    if (!filled)
        return 0;
    const auto rescanned = scanTags(filled.value());
    if (!rescanned)
        std::abort();
    for (const ParagraphText& paragraph : paragraphTexts(filled.value(), rescanned.value())) {
        if (paragraph.range.begin > paragraph.range.end || paragraph.range.end > filled.value().size())
            std::abort();
    }
    static_cast<void>(findElementAround(xml, "{{", "w:tr"));
    return 0;
}

// Borders and the paragraph where two tables meet.
#include "tablejoint.h"

namespace trellon::docx {

std::string tableBorderXml(std::string_view edge, Edge kind)
{
    const std::string element = "<w:" + std::string(edge);
    switch (kind) {
    case Edge::open:
        return element + " w:val=\"nil\"/>";
    case Edge::joined:
        return element + " w:val=\"single\" w:sz=\"2\" w:space=\"0\" w:color=\"auto\"/>";
    case Edge::ruled:
        break;
    }
    return element + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
}

std::string jointParagraphXml()
{
    return "<w:p><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"20\" w:lineRule=\"exact\"/>"
           "<w:rPr><w:vanish/><w:sz w:val=\"2\"/><w:szCs w:val=\"2\"/></w:rPr></w:pPr></w:p>";
}

} // namespace trellon::docx

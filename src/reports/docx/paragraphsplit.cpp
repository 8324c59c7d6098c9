// Splitting a paragraph around a mark: close the open elements, put the block, reopen them.
#include "paragraphsplit.h"

#include "placeholders.h"
#include "xmlscan.h"

#include <algorithm>
#include <optional>

namespace trellon::docx {
namespace {

Error refused(std::string detail)
{
    return Error{ErrorKind::refused, std::move(detail), std::nullopt};
}

// The child element `name` right after the start tag at tags[at], if it is the first child.
std::optional<XmlRange> firstChildNamed(const std::vector<XmlTag>& tags, std::size_t at, std::string_view name)
{
    if (at + 1 >= tags.size() || tags[at + 1].name != name || tags[at + 1].kind == TagKind::end)
        return std::nullopt;
    if (tags[at + 1].kind == TagKind::empty)
        return tags[at + 1].range;
    for (std::size_t i = at + 2; i < tags.size(); ++i) {
        if (tags[i].name == name && tags[i].kind == TagKind::end)
            return XmlRange{tags[at + 1].range.begin, tags[i].range.end};
    }
    return std::nullopt;
}

// `text` without the element `name`, written as one empty-element tag or as a start and end tag.
std::string withoutElement(std::string text, std::string_view name)
{
    const std::string open = "<" + std::string(name);
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
        const char next = at + open.size() < text.size() ? text[at + open.size()] : '>';
        if (next != ' ' && next != '/' && next != '>') {
            at += open.size();
            continue;
        }
        const std::size_t tagEnd = text.find('>', at);
        std::size_t end = tagEnd + 1;
        if (tagEnd != std::string::npos && text[tagEnd - 1] != '/') {
            const std::string close = "</" + std::string(name) + ">";
            const std::size_t closeAt = text.find(close, tagEnd);
            end = closeAt == std::string::npos ? tagEnd + 1 : closeAt + close.size();
        }
        text.erase(at, end - at);
    }
    return text;
}

// A reopened remainder worth keeping: some text, or something that is not text.
bool holdsContent(const std::string& paragraph)
{
    for (const char* element : {"<w:br", "<w:drawing", "<w:pict", "<w:object", "<w:fldChar", "<w:sectPr"}) {
        if (paragraph.find(element) != std::string::npos)
            return true;
    }
    auto tags = scanTags(paragraph);
    if (!tags)
        return true;
    for (const ParagraphText& text : paragraphTexts(paragraph, tags.value())) {
        if (!text.text.empty())
            return true;
    }
    return false;
}

} // namespace

Result<std::string> splitParagraphAround(std::string_view xml, std::size_t paragraphIndex, std::string_view mark,
                                         std::string_view blockXml)
{
    auto scanned = scanTags(xml);
    if (!scanned)
        return scanned.error();
    const std::vector<XmlTag>& tags = scanned.value();
    const std::vector<XmlRange> paragraphs = elementsNamed(tags, "w:p");
    if (paragraphIndex >= paragraphs.size())
        return refused("the document has no paragraph " + std::to_string(paragraphIndex + 1));
    const XmlRange paragraph = paragraphs[paragraphIndex];

    // The elements open at the mark, from the paragraph down to its w:t, as indexes into tags.
    std::vector<std::size_t> open;
    std::size_t markAt = std::string_view::npos;
    for (std::size_t i = 0; i < tags.size() && markAt == std::string_view::npos; ++i) {
        const XmlTag& tag = tags[i];
        if (tag.range.begin < paragraph.begin || tag.range.end > paragraph.end)
            continue;
        if (tag.kind == TagKind::end) {
            open.pop_back();
        } else if (tag.kind == TagKind::start) {
            open.push_back(i);
            const bool ownText = tag.name == "w:t" && std::count_if(open.begin(), open.end(), [&](std::size_t o) {
                                                          return tags[o].name == "w:p";
                                                      }) == 1;
            if (ownText) {
                const std::size_t end = tags[i + 1].range.begin;
                const std::size_t found = xml.substr(tag.range.end, end - tag.range.end).find(mark);
                if (found != std::string_view::npos)
                    markAt = tag.range.end + found;
            }
        }
    }
    if (markAt == std::string_view::npos)
        return refused("paragraph " + std::to_string(paragraphIndex + 1) + " does not hold " + std::string(mark));

    const std::optional<XmlRange> properties = firstChildNamed(tags, open.front(), "w:pPr");
    const std::string paragraphProperties =
        properties ? std::string(xml.substr(properties->begin, properties->size())) : std::string();
    std::string before;
    if (properties) {
        before = std::string(xml.substr(paragraph.begin, properties->begin - paragraph.begin)) +
                 withoutElement(paragraphProperties, "w:sectPr") +
                 std::string(xml.substr(properties->end, markAt - properties->end));
    } else {
        before = std::string(xml.substr(paragraph.begin, markAt - paragraph.begin));
    }
    std::string reopened;
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        before += "</" + std::string(tags[*it].name) + ">";
    for (const std::size_t o : open) {
        const XmlTag& tag = tags[o];
        if (tag.name == "w:p") {
            reopened += "<w:p>" + withoutElement(paragraphProperties, "w:pageBreakBefore");
        } else if (tag.name == "w:r") {
            const auto runProperties = firstChildNamed(tags, o, "w:rPr");
            reopened += "<w:r>" + (runProperties ? std::string(xml.substr(runProperties->begin, runProperties->size()))
                                                 : std::string());
        } else if (tag.name == "w:t") {
            reopened += "<w:t xml:space=\"preserve\">";
        } else {
            reopened += std::string(xml.substr(tag.range.begin, tag.range.size()));
        }
    }
    const std::size_t afterMark = markAt + mark.size();
    std::string after = reopened + std::string(xml.substr(afterMark, paragraph.end - afterMark));
    if (!holdsContent(after))
        after.clear();
    return std::string(xml.substr(0, paragraph.begin)) + before + std::string(blockXml) + after +
           std::string(xml.substr(paragraph.end));
}

} // namespace trellon::docx

// Placeholder search over the w:t elements of each paragraph and their rewriting.
#include "placeholders.h"

#include <algorithm>

namespace trellon::docx {
namespace {

constexpr std::string_view textElement = "w:t";
constexpr std::string_view paragraphElement = "w:p";
constexpr std::string_view openMark = "{{";
constexpr std::string_view closeMark = "}}";

// One w:t element: the whole element and its text, within the paragraph that owns it.
struct TextNode {
    XmlRange element;
    std::string text;
    std::size_t paragraph = 0;
    std::size_t offset = 0; // where its text starts in the paragraph's text
};

struct ScannedParagraphs {
    std::vector<ParagraphText> paragraphs;
    std::vector<TextNode> nodes;
};

ScannedParagraphs scanParagraphs(std::string_view xml, const std::vector<XmlTag>& tags)
{
    ScannedParagraphs scanned;
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const XmlTag& tag = tags[i];
        if (tag.name == paragraphElement) {
            if (tag.kind == TagKind::start) {
                open.push_back(scanned.paragraphs.size());
                scanned.paragraphs.push_back({tag.range, {}});
            } else if (tag.kind == TagKind::end) {
                scanned.paragraphs[open.back()].range.end = tag.range.end;
                open.pop_back();
            }
        } else if (tag.name == textElement && !open.empty() && tag.kind != TagKind::end) {
            TextNode node;
            node.paragraph = open.back();
            node.element = tag.range;
            if (tag.kind == TagKind::start) {
                const XmlTag& close = tags[i + 1]; // scanTags closed it; a w:t holds text only
                if (close.name != textElement || close.kind != TagKind::end)
                    continue;
                node.text = unescapeXml(xml.substr(tag.range.end, close.range.begin - tag.range.end));
                node.element.end = close.range.end;
            }
            std::string& paragraphText = scanned.paragraphs[node.paragraph].text;
            node.offset = paragraphText.size();
            paragraphText += node.text;
            scanned.nodes.push_back(std::move(node));
        }
    }
    return scanned;
}

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

struct Match {
    std::size_t begin = 0;
    std::size_t end = 0;
    const std::string* value = nullptr;
};

std::vector<Match> placeholderMatches(std::string_view text, const PlaceholderValues& values)
{
    std::vector<Match> matches;
    std::size_t at = 0;
    while ((at = text.find(openMark, at)) != std::string_view::npos) {
        const std::size_t nameBegin = at + openMark.size();
        std::size_t nameEnd = nameBegin;
        while (nameEnd < text.size() && isNameCharacter(text[nameEnd]))
            ++nameEnd;
        const auto value = values.find(text.substr(nameBegin, nameEnd - nameBegin));
        if (value != values.end() && text.substr(nameEnd, closeMark.size()) == closeMark) {
            matches.push_back({at, nameEnd + closeMark.size(), &value->second});
            at = nameEnd + closeMark.size();
        } else {
            ++at;
        }
    }
    return matches;
}

// The element content of a text: escaped, each "\n" a line break between two w:t of the same run.
std::string textContent(std::string_view text)
{
    std::string out;
    std::size_t at = 0;
    for (;;) {
        const std::size_t lineEnd = text.find('\n', at);
        out += escapeXml(text.substr(at, lineEnd - at));
        if (lineEnd == std::string_view::npos)
            return out;
        out += "</w:t><w:br/><w:t xml:space=\"preserve\">";
        at = lineEnd + 1;
    }
}

// The node's text with the matches' parts inside it removed and each value put where its match begins.
std::string rewrittenText(const TextNode& node, const std::vector<Match>& matches)
{
    std::string out;
    const std::size_t begin = node.offset;
    const std::size_t end = node.offset + node.text.size();
    std::size_t at = begin;
    for (const Match& match : matches) {
        if (match.end <= begin || match.begin >= end)
            continue;
        if (match.begin > at)
            out.append(node.text, at - begin, match.begin - at);
        if (match.begin >= begin)
            out += *match.value;
        at = std::min(match.end, end);
    }
    out.append(node.text, at - begin, end - at);
    return out;
}

bool touchedByMatch(const TextNode& node, const std::vector<Match>& matches)
{
    return std::any_of(matches.begin(), matches.end(),
                       [&](const Match& m) { return m.begin < node.offset + node.text.size() && m.end > node.offset; });
}

} // namespace

std::string placeholder(std::string_view name)
{
    return std::string(openMark) + std::string(name) + std::string(closeMark);
}

std::vector<ParagraphText> paragraphTexts(std::string_view xml, const std::vector<XmlTag>& tags)
{
    return scanParagraphs(xml, tags).paragraphs;
}

Result<std::string> fillPlaceholders(std::string_view xml, const PlaceholderValues& values)
{
    auto tags = scanTags(xml);
    if (!tags)
        return tags.error();
    const ScannedParagraphs scanned = scanParagraphs(xml, tags.value());
    std::vector<std::vector<Match>> matches;
    matches.reserve(scanned.paragraphs.size());
    for (const ParagraphText& paragraph : scanned.paragraphs)
        matches.push_back(placeholderMatches(paragraph.text, values));

    std::string out;
    out.reserve(xml.size());
    std::size_t copied = 0;
    for (const TextNode& node : scanned.nodes) {
        const std::vector<Match>& inParagraph = matches[node.paragraph];
        if (!touchedByMatch(node, inParagraph))
            continue;
        out.append(xml, copied, node.element.begin - copied);
        out += "<w:t xml:space=\"preserve\">";
        out += textContent(rewrittenText(node, inParagraph));
        out += "</w:t>";
        copied = node.element.end;
    }
    out.append(xml, copied);
    return out;
}

Result<std::optional<XmlRange>> findElementAround(std::string_view xml, std::string_view text, std::string_view element)
{
    auto tags = scanTags(xml);
    if (!tags)
        return tags.error();
    for (const ParagraphText& paragraph : paragraphTexts(xml, tags.value())) {
        if (paragraph.text.find(text) != std::string::npos)
            return enclosingElement(tags.value(), paragraph.range, element);
    }
    return std::optional<XmlRange>{};
}

} // namespace trellon::docx

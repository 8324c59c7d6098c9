// Tag scanning and text escaping for the XML parts of a package.
#include "xmlscan.h"

#include <charconv>

namespace trellon::docx {
namespace {

Error malformed(const std::string& what, std::size_t offset)
{
    return Error{ErrorKind::refused, "malformed XML: " + what, offset};
}

bool isNameEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>';
}

struct SkippedConstruct {
    std::string_view open;
    std::string_view close;
};

// The declaration, processing instructions, comments, CDATA and doctype: never element tags.
constexpr SkippedConstruct skippedConstructs[] = {{"<?", "?>"}, {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<!", ">"}};

// Where the construct starting at `at` ends (npos when it is never closed); nothing when `at` starts a tag.
std::optional<std::size_t> skippedConstructEnd(std::string_view xml, std::size_t at)
{
    for (const auto& construct : skippedConstructs) {
        if (xml.substr(at, construct.open.size()) != construct.open)
            continue;
        const std::size_t end = xml.find(construct.close, at + construct.open.size());
        return end == std::string_view::npos ? end : end + construct.close.size();
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character a reference such as "amp" or "#x4E2D" stands for; false when it is none.
bool resolveReference(std::string_view reference, std::string& out)
{
    static constexpr std::pair<std::string_view, char> named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, c] : named) {
        if (reference == entity) {
            out += c;
            return true;
        }
    }
    if (reference.size() < 2 || reference[0] != '#')
        return false;
    const bool hex = reference[1] == 'x';
    const std::string_view digits = reference.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || code > 0x10FFFF)
        return false;
    appendUtf8(out, code);
    return true;
}

} // namespace

Result<std::vector<XmlTag>> scanTags(std::string_view xml)
{
    std::vector<XmlTag> tags;
    std::vector<std::string_view> open;
    std::size_t at = 0;
    while ((at = xml.find('<', at)) != std::string_view::npos) {
        if (const auto skipped = skippedConstructEnd(xml, at)) {
            if (*skipped == std::string_view::npos)
                return malformed("unterminated markup", at);
            at = *skipped;
            continue;
        }
        char quote = 0;
        std::size_t close = at + 1;
        for (; close < xml.size(); ++close) {
            const char c = xml[close];
            if (quote != 0) {
                quote = c == quote ? 0 : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                break;
            } else if (c == '<') {
                return malformed("'<' inside a tag", close);
            }
        }
        if (close >= xml.size())
            return malformed("unterminated tag", at);
        XmlTag tag;
        tag.range = {at, close + 1};
        const bool isEnd = xml[at + 1] == '/';
        std::size_t nameEnd = at + (isEnd ? 2 : 1);
        while (nameEnd < close && !isNameEnd(xml[nameEnd]))
            ++nameEnd;
        tag.name = xml.substr(at + (isEnd ? 2 : 1), nameEnd - at - (isEnd ? 2 : 1));
        if (tag.name.empty())
            return malformed("tag without a name", at);
        if (isEnd) {
            tag.kind = TagKind::end;
            if (open.empty() || open.back() != tag.name)
                return malformed("end tag </" + std::string(tag.name) + "> without its start tag", at);
            open.pop_back();
        } else if (xml[close - 1] == '/') {
            tag.kind = TagKind::empty;
        } else {
            tag.kind = TagKind::start;
            open.push_back(tag.name);
        }
        tags.push_back(tag);
        at = close + 1;
    }
    if (!open.empty())
        return malformed("element <" + std::string(open.back()) + "> is never closed", xml.size());
    return tags;
}

std::vector<XmlRange> elementsNamed(const std::vector<XmlTag>& tags, std::string_view name)
{
    std::vector<XmlRange> found;
    std::vector<std::size_t> open; // indexes into found of elements still open
    for (const XmlTag& tag : tags) {
        if (tag.name != name)
            continue;
        switch (tag.kind) {
        case TagKind::empty:
            found.push_back(tag.range);
            break;
        case TagKind::start:
            open.push_back(found.size());
            found.push_back({tag.range.begin, tag.range.end});
            break;
        case TagKind::end:
            // scanTags has matched every end tag to its start tag.
            found[open.back()].end = tag.range.end;
            open.pop_back();
            break;
        }
    }
    return found;
}

std::optional<XmlRange> enclosingElement(const std::vector<XmlTag>& tags, XmlRange inner, std::string_view name)
{
    std::optional<XmlRange> innermost;
    for (const XmlRange& element : elementsNamed(tags, name)) {
        if (element.begin <= inner.begin && inner.end <= element.end &&
            (!innermost || innermost->begin <= element.begin))
            innermost = element;
    }
    return innermost;
}

std::string unescapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const std::size_t semicolon = text.find(';', i + 1);
            if (semicolon != std::string_view::npos && resolveReference(text.substr(i + 1, semicolon - i - 1), out)) {
                i = semicolon;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string escapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
    return out;
}

} // namespace trellon::docx

// Splits a JSON object into its members' texts. The text is checked as a whole first, so the scan below only
// has to find where each key and value ends.
#include "rawjsonobject.h"

#include <nlohmann/json.hpp>

#include <set>

namespace trellon {
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::size_t skipSpace(std::string_view text, std::size_t at)
{
    while (at < text.size() && isSpace(text[at]))
        ++at;
    return at;
}

// at is on the opening quote; returns the index after the closing one.
std::size_t endOfString(std::string_view text, std::size_t at)
{
    ++at;
    while (text[at] != '"')
        at += text[at] == '\\' ? 2 : 1;
    return at + 1;
}

std::size_t endOfValue(std::string_view text, std::size_t at)
{
    if (text[at] == '"')
        return endOfString(text, at);
    if (text[at] == '{' || text[at] == '[') {
        int depth = 0;
        do {
            const char c = text[at];
            if (c == '"') {
                at = endOfString(text, at);
                continue;
            }
            if (c == '{' || c == '[')
                ++depth;
            else if (c == '}' || c == ']')
                --depth;
            ++at;
        } while (depth > 0);
        return at;
    }
    while (at < text.size() && !isSpace(text[at]) && text[at] != ',' && text[at] != '}' && text[at] != ']')
        ++at;
    return at;
}

} // namespace

std::optional<std::vector<RawJsonMember>> rawObjectMembers(std::string_view text)
{
    std::size_t at = skipSpace(text, 0);
    if (at == text.size() || text[at] != '{' || !nlohmann::json::accept(text))
        return std::nullopt;
    std::vector<RawJsonMember> members;
    std::set<std::string> keys;
    at = skipSpace(text, at + 1);
    while (text[at] != '}') {
        const std::size_t start = at;
        const std::size_t keyEnd = endOfString(text, at);
        std::string key = nlohmann::json::parse(text.substr(start, keyEnd - start)).get<std::string>();
        if (!keys.insert(key).second)
            return std::nullopt;
        at = skipSpace(text, skipSpace(text, keyEnd) + 1); // past the colon
        const std::size_t valueEnd = endOfValue(text, at);
        members.push_back({std::move(key), text.substr(start, valueEnd - start)});
        at = skipSpace(text, valueEnd);
        if (text[at] == ',')
            at = skipSpace(text, at + 1);
    }
    return members;
}

} // namespace trellon

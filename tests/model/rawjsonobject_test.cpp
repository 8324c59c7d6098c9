// Splitting a JSON object into the exact texts of its members.
#include "model/rawjsonobject.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

std::vector<std::pair<std::string, std::string>> split(std::string_view text)
{
    const auto members = rawObjectMembers(text);
    EXPECT_TRUE(members) << text;
    std::vector<std::pair<std::string, std::string>> out;
    if (members)
        for (const auto& m : *members)
            out.emplace_back(m.key, std::string(m.text));
    return out;
}

TEST(RawJsonObject, keepsEachMemberAsWrittenInOrder)
{
    const auto members = split(" {\"b\" : [1, {\"x\": \"]}\"}],\n\"a\":2.50 ,\"c\":\"\\\"}\",\"d\":null,\"e\":{}}\n");
    const std::vector<std::pair<std::string, std::string>> expected = {{"b", "\"b\" : [1, {\"x\": \"]}\"}]"},
                                                                       {"a", "\"a\":2.50"},
                                                                       {"c", "\"c\":\"\\\"}\""},
                                                                       {"d", "\"d\":null"},
                                                                       {"e", "\"e\":{}"}};
    EXPECT_EQ(members, expected);
}

TEST(RawJsonObject, decodesEscapedKeys)
{
    const auto members = split(R"({"\u0076ersion\n": true, "é": -1e3})");
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].first, "version\n");
    EXPECT_EQ(members[0].second, R"("\u0076ersion\n": true)");
    EXPECT_EQ(members[1].first, "é");
    EXPECT_EQ(members[1].second, R"("é": -1e3)");
}

TEST(RawJsonObject, emptyObjectHasNoMembers)
{
    EXPECT_TRUE(split("{}").empty());
    EXPECT_TRUE(split(" { \n } ").empty());
}

TEST(RawJsonObject, refusesWhatIsNotOneObjectWithDistinctKeys)
{
    for (const char* text : {"", "[]", "1", "\"{}\"", "{", "{\"a\":1,}", "{\"a\":1} {}", "{\"a\":1,\"a\":2}",
                             "{\"a\":01}", "{a:1}", "{\"a\":\"\xff\"}", "{\"a\":1} x"})
        EXPECT_FALSE(rawObjectMembers(text)) << text;
}

} // namespace
} // namespace trellon

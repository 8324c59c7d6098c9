// The extension payload: its written form, defaults, members cut or padded, refused values and unknown keys.
#include "model/projectextensionjson.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

ProjectExtension everyField()
{
    ProjectExtension e;
    e.pointsPerBar = 5;
    e.members = {{MemberType::beam, true},           {std::nullopt, true},
                 {MemberType::slab, false},          {MemberType::cantileverBeam, false},
                 {MemberType::cantileverSlab, true}, {MemberType::other, false}};
    e.population = {{MemberType::beam, 40},
                    {MemberType::slab, 0},
                    {MemberType::cantileverBeam, 2147483647},
                    {MemberType::cantileverSlab, 3}};
    e.unknownKeys = R"({"later":[1,2]})";
    return e;
}

ProjectExtension decoded(std::string_view payload, std::size_t memberCount)
{
    auto read = decodeExtensionPayload(payload, memberCount);
    EXPECT_TRUE(read) << payload << ": " << (read ? "" : read.error().detail);
    return read ? read.value() : ProjectExtension{};
}

TEST(ExtensionPayload, roundTripKeepsEveryField)
{
    const ProjectExtension original = everyField();
    EXPECT_EQ(decoded(encodeExtensionPayload(original, 6), 6), original);
}

TEST(ExtensionPayload, isWrittenInTheDocumentedShape)
{
    ProjectExtension e;
    e.pointsPerBar = 2;
    e.members = {{MemberType::cantileverBeam, false}};
    e.population = {{MemberType::slab, 12}, {MemberType::beam, 7}};
    EXPECT_EQ(encodeExtensionPayload(e, 2),
              R"({"version":1,"pointsPerBar":2,"members":[{"type":"cantileverBeam","secondSample":false},)"
              R"({"type":null,"secondSample":false}],"population":{"beam":7,"slab":12}})");
}

TEST(ExtensionPayload, absentKeysTakeTheirDefaults)
{
    EXPECT_EQ(decoded("{}", 3), ProjectExtension{});
    EXPECT_EQ(decoded(R"({"version":1,"pointsPerBar":1,"members":[{}],"population":{}})", 3), ProjectExtension{})
        << "an extension of defaults reads as the empty one";

    const ProjectExtension k = decoded(R"({"pointsPerBar":3})", 2);
    EXPECT_EQ(k.pointsPerBar, 3);
    EXPECT_EQ(k.members, std::vector<MemberExtras>(2));
    EXPECT_TRUE(k.population.empty());
    EXPECT_TRUE(k.unknownKeys.empty());

    const ProjectExtension second = decoded(R"({"members":[{"secondSample":true},{"type":null}]})", 2);
    EXPECT_EQ(second.members, (std::vector<MemberExtras>{{std::nullopt, true}, {}}));
}

TEST(ExtensionPayload, membersArrayIsCutOrPaddedToTheMemberCount)
{
    const std::string payload = R"({"members":[{"type":"beam"},{"type":"slab","secondSample":true}]})";
    EXPECT_EQ(decoded(payload, 3).members,
              (std::vector<MemberExtras>{{MemberType::beam, false}, {MemberType::slab, true}, {}}));
    EXPECT_EQ(decoded(payload, 1).members, (std::vector<MemberExtras>{{MemberType::beam, false}}));
    EXPECT_EQ(decoded(R"({"members":[{},{"type":"slab"}]})", 1), ProjectExtension{})
        << "what is cut off does not count";

    ProjectExtension shortList;
    shortList.members = {{MemberType::other, false}};
    EXPECT_EQ(decoded(encodeExtensionPayload(shortList, 4), 4).members,
              (std::vector<MemberExtras>{{MemberType::other, false}, {}, {}, {}}));
}

TEST(ExtensionPayload, damagedOrWronglyTypedPayloadIsRefused)
{
    for (const char* payload : {
             "",
             "[]",
             R"({"pointsPerBar":2)",
             R"({"pointsPerBar":2,})",
             R"({"pointsPerBar":2,"pointsPerBar":3})",
             R"({"pointsPerBar":0})",
             R"({"pointsPerBar":6})",
             R"({"pointsPerBar":-1})",
             R"({"pointsPerBar":2.0})",
             R"({"pointsPerBar":"2"})",
             R"({"pointsPerBar":null})",
             R"({"version":0})",
             R"({"version":"1"})",
             R"({"members":{}})",
             R"({"members":[1]})",
             R"({"members":[{"type":"column"}]})",
             R"({"members":[{"type":3}]})",
             R"({"members":[{"secondSample":1}]})",
             R"({"members":[{"secondSample":null}]})",
             R"({"population":[]})",
             R"({"population":{"beam":-1}})",
             R"({"population":{"beam":2147483648}})",
             R"({"population":{"beam":1.5}})",
             R"({"population":{"column":4}})",
         }) {
        auto read = decodeExtensionPayload(payload, 2);
        ASSERT_FALSE(read) << payload;
        EXPECT_FALSE(read.error().detail.empty()) << payload;
    }
}

TEST(ExtensionPayload, laterVersionIsReadAsFarAsItsKeysAreKnown)
{
    const ProjectExtension e = decoded(R"({"version":2,"pointsPerBar":4,"lots":[{"id":1}]})", 1);
    EXPECT_EQ(e.pointsPerBar, 4);
    EXPECT_EQ(e.unknownKeys, R"({"lots":[{"id":1}]})");
    EXPECT_EQ(encodeExtensionPayload(e, 1).find(R"("version":1,)"), 1u);
}

TEST(ExtensionPayload, unknownKeysAreKeptByteForByte)
{
    const std::string future = R"("future" : { "b": [1, 2.50, 1e2], "a": "\u00e9" })";
    const std::string note = "\"note\":\"\xE6\xA2\x81\"";
    const std::string payload = "{\"version\":1," + future + ",\"pointsPerBar\":2,\n" + note + "}";
    const ProjectExtension e = decoded(payload, 1);
    EXPECT_EQ(e.pointsPerBar, 2);
    EXPECT_EQ(e.unknownKeys, "{" + future + "," + note + "}");

    const std::string written = encodeExtensionPayload(e, 1);
    const std::string tail = "," + future + "," + note + "}";
    ASSERT_GE(written.size(), tail.size());
    EXPECT_EQ(written.substr(written.size() - tail.size()), tail);
    EXPECT_EQ(decoded(written, 1), e);
}

TEST(ExtensionPayload, unknownKeysAloneMakeTheExtensionWorthWriting)
{
    const ProjectExtension e = decoded(R"({"x":null})", 2);
    EXPECT_EQ(e.unknownKeys, R"({"x":null})");
    EXPECT_FALSE(isDefaultExtension(e));
}

TEST(ExtensionPayload, unknownKeysThatAreNoObjectOrNameAKnownKeyAreNotWritten)
{
    ProjectExtension e;
    e.pointsPerBar = 2;
    e.unknownKeys = R"({"pointsPerBar":4, "x":1})";
    const ProjectExtension read = decoded(encodeExtensionPayload(e, 0), 0);
    EXPECT_EQ(read.pointsPerBar, 2);
    EXPECT_EQ(read.unknownKeys, R"({"x":1})");

    e.unknownKeys = "not json";
    EXPECT_EQ(decoded(encodeExtensionPayload(e, 0), 0).unknownKeys, "");
}

TEST(ExtensionPayload, defaultMeansNothingToStore)
{
    EXPECT_TRUE(isDefaultExtension(ProjectExtension{}));
    ProjectExtension e;
    e.members = std::vector<MemberExtras>(3);
    e.unknownKeys = " { } ";
    EXPECT_TRUE(isDefaultExtension(e));

    for (auto change : std::initializer_list<void (*)(ProjectExtension&)>{
             [](ProjectExtension& x) { x.pointsPerBar = 2; },
             [](ProjectExtension& x) { x.members[2].type = MemberType::beam; },
             [](ProjectExtension& x) { x.members[1].secondSample = true; },
             [](ProjectExtension& x) { x.population[MemberType::slab] = 0; },
             [](ProjectExtension& x) { x.unknownKeys = R"({"a":0})"; },
         }) {
        ProjectExtension changed = e;
        change(changed);
        EXPECT_FALSE(isDefaultExtension(changed));
    }
}

TEST(ExtensionPayload, conclusionBasisIsWrittenOnlyForTheAcceptanceCheckAndRefusedWhenMisspelt)
{
    ProjectExtension e;
    e.members.resize(1);
    e.conclusionBasis = ConclusionBasis::appendixE;
    EXPECT_FALSE(isDefaultExtension(e));
    const std::string written = encodeExtensionPayload(e, 1);
    EXPECT_EQ(written, R"({"version":1,"pointsPerBar":1,"members":[{"type":null,"secondSample":false}],)"
                       R"("population":{},"conclusionBasis":"appendixE"})");
    EXPECT_EQ(decoded(written, 1), e);
    EXPECT_EQ(decoded(R"({"conclusionBasis":"rate"})", 1), ProjectExtension{}) << "rate is the default";
    EXPECT_EQ(decoded(R"({"conclusionBasis":"appendixE","later":1})", 1).unknownKeys, R"({"later":1})");

    for (const char* payload :
         {R"({"conclusionBasis":1})", R"({"conclusionBasis":null})", R"({"conclusionBasis":"Rate"})",
          R"({"conclusionBasis":"appendix-e"})", R"({"conclusionBasis":["rate"]})"}) {
        auto read = decodeExtensionPayload(payload, 1);
        ASSERT_FALSE(read) << payload;
        EXPECT_NE(read.error().detail.find("conclusionBasis"), std::string::npos) << payload;
    }
}

} // namespace
} // namespace trellon

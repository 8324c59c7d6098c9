// Member types: the user's choice first, then the words of the member's GBK name.
#include "model/membertype.h"

#include "model/gbk.h"
#include "projectfixtures.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::member;
using testing::projectOf;

MemberType typeOfName(std::string_view utf8Name)
{
    return memberType(projectOf({member("1001", {30}, systemText(utf8Name))}), 0);
}

TEST(MemberTypeTest, namesSayTheTypeWithCantileverFirst)
{
    EXPECT_EQ(typeOfName("一层 KL1 梁底"), MemberType::beam);
    EXPECT_EQ(typeOfName("屋面板"), MemberType::slab);
    EXPECT_EQ(typeOfName("悬挑梁 XL2"), MemberType::cantileverBeam);
    EXPECT_EQ(typeOfName("阳台悬挑板"), MemberType::cantileverSlab);
    EXPECT_EQ(typeOfName("梁板交接"), MemberType::beam);
    EXPECT_EQ(typeOfName("悬挑梁板"), MemberType::cantileverBeam);
    EXPECT_EQ(typeOfName("悬挑"), MemberType::other);
    EXPECT_EQ(typeOfName("KZ3 柱"), MemberType::other);
    EXPECT_EQ(typeOfName(""), MemberType::other);
}

TEST(MemberTypeTest, nameIsReadAsCharactersNotBytes)
{
    // 亮 ends with the byte that starts 梁 and 何 starts with its second byte.
    const std::string name = systemText("亮何");
    ASSERT_NE(name.find(systemText("梁")), std::string::npos);
    EXPECT_EQ(typeOfName("亮何"), MemberType::other);
}

TEST(MemberTypeTest, charactersAreCountedAfterSingleByteOnes)
{
    EXPECT_EQ(typeOfName("K亮何"), MemberType::other);
    EXPECT_EQ(typeOfName("KL2亮何 梁"), MemberType::beam);
    EXPECT_EQ(typeOfName("3 悬挑板"), MemberType::cantileverSlab);
}

TEST(MemberTypeTest, theUsersTypeOutranksTheName)
{
    Project project = projectOf({member("1001", {30}, systemText("KL1 梁")), member("1002", {30}, systemText("板")),
                                 member("1003", {30}, systemText("梁"))});
    project.extension.members.resize(2);
    project.extension.members[0].type = MemberType::cantileverSlab;
    EXPECT_EQ(memberType(project, 0), MemberType::cantileverSlab);
    EXPECT_EQ(memberType(project, 1), MemberType::slab) << "an entry without a type leaves the name to decide";
    EXPECT_EQ(memberType(project, 2), MemberType::beam) << "beyond the extension's entries";
}

} // namespace
} // namespace trellon

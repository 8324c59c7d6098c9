// Required sample sizes at the edges of their minimums and percentages.
#include "evaluation/samplesize.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

TEST(RequiredSampleSize, beamsAndSlabsTakeFiveOrTwoPercent)
{
    for (const MemberType type : {MemberType::beam, MemberType::slab}) {
        EXPECT_EQ(requiredSampleSize(type, 4), 4);
        EXPECT_EQ(requiredSampleSize(type, 5), 5);
        EXPECT_EQ(requiredSampleSize(type, 250), 5);
        EXPECT_EQ(requiredSampleSize(type, 251), 6);
    }
}

TEST(RequiredSampleSize, cantileverBeamsTakeTenOrFivePercent)
{
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverBeam, 9), 9);
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverBeam, 10), 10);
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverBeam, 200), 10);
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverBeam, 201), 11);
}

TEST(RequiredSampleSize, cantileverSlabsTakeTwentyOrTenPercent)
{
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverSlab, 19), 19);
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverSlab, 20), 20);
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverSlab, 200), 20);
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverSlab, 201), 21);
}

TEST(RequiredSampleSize, emptyOrNegativePopulationsRequireNone)
{
    EXPECT_EQ(requiredSampleSize(MemberType::beam, 0), 0);
    EXPECT_EQ(requiredSampleSize(MemberType::cantileverSlab, -3), 0);
}

} // namespace
} // namespace trellon

// Cover statistics: the characteristic factors between and beyond the table, spread and histogram.
#include "evaluation/coverstatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace trellon {
namespace {

TEST(CharacteristicFactor, tabledValuesAndLinearInNBetweenThem)
{
    EXPECT_DOUBLE_EQ(characteristicFactor(3), 3.37);
    EXPECT_DOUBLE_EQ(characteristicFactor(7), 2.09);
    EXPECT_DOUBLE_EQ(characteristicFactor(8), 2.00);
    EXPECT_DOUBLE_EQ(characteristicFactor(15), 1.84);
    EXPECT_DOUBLE_EQ(characteristicFactor(30), 1.73);
}

TEST(CharacteristicFactor, linearInOneOverNAboveThirty)
{
    EXPECT_DOUBLE_EQ(characteristicFactor(60), 1.685);
    EXPECT_NEAR(characteristicFactor(31), 1.64 + 0.09 * 30.0 / 31.0, 1e-12);
    EXPECT_GT(characteristicFactor(100000), 1.64);
    EXPECT_LT(characteristicFactor(100000), 1.641);
}

TEST(DescribeCovers, sampleStandardDeviationAndCharacteristicCover)
{
    const std::vector<double> values{20, 22, 24, 26, 28};
    const CoverStatistics s = describeCovers(values);
    EXPECT_EQ(s.n, 5);
    EXPECT_DOUBLE_EQ(*s.mean, 24.0);
    EXPECT_DOUBLE_EQ(*s.sd, std::sqrt(40.0 / 4.0)); // divided by n - 1
    EXPECT_DOUBLE_EQ(*s.min, 20.0);
    EXPECT_DOUBLE_EQ(*s.max, 28.0);
    EXPECT_DOUBLE_EQ(*s.characteristic, 24.0 - 2.33 * std::sqrt(10.0));
}

TEST(DescribeCovers, spreadNeedsTwoValuesAndCharacteristicThree)
{
    EXPECT_FALSE(describeCovers(std::span<const double>()).mean.has_value());
    const std::vector<double> one{25};
    const CoverStatistics single = describeCovers(one);
    EXPECT_DOUBLE_EQ(*single.mean, 25.0);
    EXPECT_FALSE(single.sd.has_value());
    const std::vector<double> two{25, 27};
    const CoverStatistics pair = describeCovers(two);
    EXPECT_DOUBLE_EQ(*pair.sd, std::sqrt(2.0));
    EXPECT_FALSE(pair.characteristic.has_value());
}

TEST(CoverHistogram, countsValuesInMillimetreClassesThatHoldThem)
{
    const std::vector<double> values{24.5, 22.0, 24.0, 22.9, 26.0, -0.5};
    EXPECT_EQ(coverHistogram(values), (CoverHistogram{{-1, 1}, {22, 2}, {24, 2}, {26, 1}}));
    EXPECT_TRUE(coverHistogram(std::span<const double>()).empty());
}

TEST(CoverHistogram, readingsFarApartGiveTheSameClasses)
{
    const std::vector<double> values{2000000000.0, 25.0, 25.5, -2000000000.0, 2000000000.0};
    EXPECT_EQ(coverHistogram(values), (CoverHistogram{{-2000000000, 1}, {25, 2}, {2000000000, 2}}));
}

TEST(CoverMoments, mergingSetsGivesTheFiguresOfTheirUnion)
{
    const std::vector<double> all{20, 31, 22, 24.5, 26, 28, 17};
    CoverMoments merged = CoverMoments::of(std::span(all).first(3));
    merged.merge(CoverMoments{});
    merged.merge(CoverMoments::of(std::span(all).subspan(3)));
    const CoverMoments whole = CoverMoments::of(all);
    EXPECT_EQ(merged.n, 7);
    EXPECT_DOUBLE_EQ(merged.mean, whole.mean);
    EXPECT_NEAR(merged.squaredDeviations, whole.squaredDeviations, 1e-9);
    EXPECT_EQ(merged.min, 17.0);
    EXPECT_EQ(merged.max, 31.0);
}

} // namespace
} // namespace trellon

// What the records may store of typed values: readings of one byte, and design values within their ranges.
#include "model/designvalues.h"
#include "model/readingedits.h"
#include "projectfixtures.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using namespace trellon::testing;

TEST(StoredValues, aReadingIsStoredFrom0To255AndOnlyWhereTheMemberHasOne)
{
    MemberRecord single = member("1001", {30, 25});
    const struct {
        std::int64_t index;
        std::int64_t value;
        ReadingEdit outcome;
    } cases[] = {{0, 255, ReadingEdit::stored},       {1, 0, ReadingEdit::stored},
                 {1, 0, ReadingEdit::unchanged},      {0, 256, ReadingEdit::outOfRange},
                 {0, -1, ReadingEdit::outOfRange},    {2, 20, ReadingEdit::noSuchReading},
                 {-1, 20, ReadingEdit::noSuchReading}};
    for (const auto& c : cases)
        EXPECT_EQ(storeReading(single, c.index, c.value), c.outcome) << c.index << ": " << c.value;
    EXPECT_EQ(single.samples, (std::vector<std::int32_t>{255, 0}));
}

TEST(StoredValues, theFirstDesignValueOutsideItsRangeIsNamed)
{
    const struct {
        DesignValues values;
        std::optional<DesignValue> refused;
    } cases[] = {
        {{0, 0, 0}, std::nullopt},
        {{10000, 10000, -10000}, std::nullopt},
        {{10001, 10, -7}, DesignValue::designCover},
        {{-1, 10, -7}, DesignValue::designCover},
        {{25, 10, 1}, DesignValue::lowerDeviation},
        {{25, -1, -10001}, DesignValue::lowerDeviation},
        {{25, 10001, -7}, DesignValue::upperDeviation},
    };
    for (const auto& c : cases)
        EXPECT_EQ(designValueOutOfRange(c.values), c.refused)
            << c.values.designCover << " " << c.values.upperDeviation << " " << c.values.lowerDeviation;
}

} // namespace
} // namespace trellon

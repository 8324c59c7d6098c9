// Test-mode digit and run separator search.
#include "testmode.h"

namespace trellon {

TestModeDigit testModeDigit(const MemberRecord& member)
{
    if (member.number.empty())
        return TestModeDigit::none;
    return static_cast<TestModeDigit>(member.number.front());
}

bool isKnownTestMode(TestModeDigit digit)
{
    switch (digit) {
    case TestModeDigit::singleKnownDiameter:
    case TestModeDigit::singleMeasuredDiameter:
    case TestModeDigit::grid:
    case TestModeDigit::section:
        return true;
    default:
        return false;
    }
}

bool belongsToTestMode(const MemberRecord& member, TestMode mode)
{
    const TestModeDigit digit = testModeDigit(member);
    switch (mode) {
    case TestMode::singlePoint:
        return digit == TestModeDigit::singleKnownDiameter || digit == TestModeDigit::singleMeasuredDiameter;
    case TestMode::section:
        return digit == TestModeDigit::section;
    case TestMode::grid:
        return digit == TestModeDigit::grid;
    }
    return false;
}

std::int32_t memberIndexInMode(const std::vector<MemberRecord>& members, TestMode mode, std::int32_t position)
{
    if (position < 0)
        return -1;
    std::int32_t seen = 0;
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (belongsToTestMode(members[i], mode) && seen++ == position)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t findRunSeparator(std::span<const std::int32_t> samples)
{
    for (std::size_t s = 0; s + 2 < samples.size(); ++s) {
        if (samples[s] == separatorValue && samples[s + 1] == separatorValue && samples[s + 2] == separatorValue)
            return static_cast<std::int32_t>(s);
    }
    return static_cast<std::int32_t>(samples.size());
}

} // namespace trellon

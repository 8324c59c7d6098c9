// The drilling verification: points checked against their readings, corrections per diameter, corrected covers,
// the required count, the error check, and an acceptance check judged on corrected covers.
#include "evaluation/acceptanceevaluation.h"
#include "evaluation/checkedsetverdict.h"
#include "evaluation/coververification.h"

#include "evaluationfixtures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace trellon {
namespace {

using testing::projectOf;
using testing::readings;
using testing::singlePointMember;

VerificationPoint pointAt(std::int32_t member, PointRun run, std::int32_t number, std::int32_t measured)
{
    VerificationPoint p;
    p.member = member;
    p.run = run;
    p.point = number;
    p.measured = measured;
    return p;
}

// A digit "1" member of diameter 20 whose readings are all 25, with a verification point on reading i + 1 for
// each difference i (tenths).
Project verifiedAt(const std::vector<std::int32_t>& differences)
{
    MemberRecord m = singlePointMember("梁", readings(differences.size() + 1, {}));
    m.knownDiameter = 20;
    Project project = projectOf({m});
    for (std::size_t i = 0; i < differences.size(); ++i)
        project.extension.verification.points.push_back(
            pointAt(0, PointRun::none, static_cast<std::int32_t>(i + 1), 250 + differences[i]));
    return project;
}

TEST(VerificationCorrection, isTheMeanDifferenceRoundedHalfAwayFromZeroToATenth)
{
    const struct {
        std::vector<std::int32_t> differences;
        std::int64_t correction;
    } cases[] = {
        {{2, 3}, 3},        {{-2, -3}, -3}, {{14, 15}, 15}, {{-14, -15}, -15}, {{1, 1, 2}, 1},
        {{-1, -1, -2}, -1}, {{1, 2, 2}, 2}, {{-5, 5}, 0},   {{0}, 0},          {{-40}, -40},
    };
    for (const auto& c : cases) {
        const VerificationCheck check = checkVerificationPoints(verifiedAt(c.differences));
        ASSERT_EQ(check.corrections.size(), 1u);
        EXPECT_EQ(check.corrections[0],
                  (DiameterCorrection{20, static_cast<std::int32_t>(c.differences.size()), c.correction}))
            << ::testing::PrintToString(c.differences);
    }
}

TEST(VerificationCorrection, correctedCoverIsRoundedHalfAwayFromZeroToAMillimetre)
{
    const struct {
        std::int32_t reading;
        std::int32_t diameter;
        std::int64_t correction; // of diameter 20
        std::int32_t spacer;
        std::int64_t corrected;
        bool changes;
    } cases[] = {
        {25, 20, 5, 0, 26, true},  {25, 20, -5, 0, 25, true}, {25, 20, -15, 0, 24, true}, {25, 20, 4, 0, 25, true},
        {25, 20, 6, 0, 26, true},  {0, 20, -5, 0, -1, true},  {25, 20, 5, 10, 25, true},  {25, 20, 0, 0, 25, false},
        {25, 12, 9, 0, 25, false}, {25, 12, 9, 5, 25, true},  {25, 12, 9, 6, 24, true},   {185, 20, -25, 0, 183, true},
    };
    for (const auto& c : cases) {
        const CoverCorrection correction({{20, 3, c.correction}}, c.spacer);
        EXPECT_EQ(correction.correctedCover(c.reading, c.diameter), c.corrected)
            << c.reading << " d" << c.diameter << " cc" << c.correction << " c0 " << c.spacer;
        EXPECT_EQ(correction.changes(c.diameter), c.changes) << c.reading << " d" << c.diameter;
    }
}

// Members of every digit, each with its own diameter: "1" knownDiameter 20, "2" pairs of diameters 16 and 18, a
// section of barDiameter 25 and a grid of X 12 and Y 14.
Project everyKind()
{
    MemberRecord known = singlePointMember("梁", {30, 31, 32});
    known.knownDiameter = 20;
    MemberRecord measured = singlePointMember("板", {22, 16, 23, 18, 99});
    measured.number = "2001";
    MemberRecord section = singlePointMember("柱", {170, 1, 40, 0, 10, 41, 0, 20});
    section.number = "4001";
    section.barDiameter = 25;
    section.xBarCount = 2;
    MemberRecord grid = singlePointMember("墙", {170, 1, 50, 0, 10, 187, 187, 187, 51, 0, 10, 52, 0, 20});
    grid.number = "3001";
    grid.knownDiameter = 12;
    grid.barDiameter = 14;
    grid.xBarCount = 1;
    grid.yBarCount = 2;
    return projectOf({known, measured, section, grid});
}

TEST(VerificationPoints, eachNamesAReadingOfItsMemberAndRunOrIsInvalid)
{
    Project project = everyKind();
    const struct {
        VerificationPoint point;
        CheckedVerificationPoint expected;
    } cases[] = {
        {pointAt(0, PointRun::none, 3, 330), {true, 32, 10, 20, false}},
        {pointAt(1, PointRun::none, 2, 220), {true, 23, -10, 18, false}},
        {pointAt(2, PointRun::x, 2, 410), {true, 41, 0, 25, false}},
        {pointAt(3, PointRun::x, 1, 511), {true, 50, 11, 12, true}},
        {pointAt(3, PointRun::y, 2, 520), {true, 52, 0, 14, false}},
        {pointAt(0, PointRun::none, 4, 300), {false, std::nullopt, std::nullopt, 20, false}},
        {pointAt(0, PointRun::none, deletedPointNumber, 300), {false, std::nullopt, std::nullopt, 20, false}},
        {pointAt(1, PointRun::none, 3, 300), {false, std::nullopt, std::nullopt, std::nullopt, false}},
        {pointAt(0, PointRun::x, 1, 300), {false, std::nullopt, std::nullopt, std::nullopt, false}},
        {pointAt(2, PointRun::y, 1, 300), {false, std::nullopt, std::nullopt, std::nullopt, false}},
        {pointAt(3, PointRun::x, 2, 300), {false, std::nullopt, std::nullopt, 12, false}},
        {pointAt(4, PointRun::none, 1, 300), {false, std::nullopt, std::nullopt, std::nullopt, false}},
    };
    for (const auto& c : cases)
        project.extension.verification.points.push_back(c.point);
    const VerificationCheck check = checkVerificationPoints(project);
    ASSERT_EQ(check.points.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(check.points[i], cases[i].expected) << "case " << i;
    EXPECT_TRUE(check.errorExceeded);
    EXPECT_EQ(check.verified, 5) << "every member is ticked; invalid points are not counted";
    EXPECT_EQ(check.corrections,
              (std::vector<DiameterCorrection>{{12, 1, 11}, {14, 1, 0}, {18, 1, -10}, {20, 1, 10}, {25, 1, 0}}));
}

TEST(VerificationPoints, aStatedDiameterJoinsThatGroupAndDiameterZeroIsAGroupOfItsOwn)
{
    Project project = everyKind();
    VerificationPoint stated = pointAt(0, PointRun::none, 1, 320);
    stated.diameter = 25;
    VerificationPoint unknown = pointAt(0, PointRun::none, 2, 300);
    unknown.diameter = 0;
    project.extension.verification.points = {stated, pointAt(2, PointRun::x, 1, 400), unknown};
    const VerificationCheck check = checkVerificationPoints(project);
    EXPECT_EQ(check.corrections, (std::vector<DiameterCorrection>{{0, 1, -10}, {25, 2, 10}}));
}

TEST(VerificationErrorCheck, aDifferenceOfExactlyTheLimitPassesATenthMoreIsFlagged)
{
    const struct {
        std::int32_t difference;
        std::int32_t maxError;
        bool flagged;
    } cases[] = {{10, 10, false}, {11, 10, true}, {-10, 10, false}, {-11, 10, true},
                 {0, 0, false},   {1, 0, true},   {25, 30, false},  {31, 30, true}};
    for (const auto& c : cases) {
        Project project = verifiedAt({c.difference});
        project.extension.verification.rules.maxError = c.maxError;
        const VerificationCheck check = checkVerificationPoints(project);
        EXPECT_EQ(check.points.at(0).errorExceeded, c.flagged) << c.difference << " against " << c.maxError;
        EXPECT_EQ(check.errorExceeded, c.flagged);
    }
}

TEST(VerificationRequired, isTheShareOfTheJudgedValuesAtLeastTheFewestButNeverAboveThem)
{
    const struct {
        std::int32_t minShare;
        std::int32_t minPoints;
        std::int64_t values;
        std::int32_t required;
    } cases[] = {{30, 6, 0, 0},    {30, 6, 5, 5},    {30, 6, 6, 6},  {30, 6, 20, 6}, {30, 6, 21, 7},
                 {30, 6, 100, 30}, {30, 6, 101, 31}, {100, 0, 7, 7}, {0, 0, 50, 0},  {10, 3, 40, 4}};
    for (const auto& c : cases) {
        VerificationRules rules;
        rules.minShare = c.minShare;
        rules.minPoints = c.minPoints;
        EXPECT_EQ(requiredVerificationPoints(rules, c.values), c.required)
            << c.minShare << "% at least " << c.minPoints << " of " << c.values;
    }
}

TEST(VerificationRequired, countsEachBarOnceAndOnlyThePointsOnTickedMembers)
{
    MemberRecord ticked = singlePointMember("梁", readings(42, {}));
    MemberRecord unticked = ticked;
    unticked.checked = 0;
    Project project = projectOf({ticked, unticked});
    for (std::int32_t n = 1; n <= 7; ++n)
        project.extension.verification.points.push_back(pointAt(n <= 6 ? 0 : 1, PointRun::none, n, 250));
    const VerificationCheck twoPerBar = evaluateAcceptance(project, 2).verification;
    EXPECT_EQ(twoPerBar.required, 7) << "21 bars";
    EXPECT_EQ(twoPerBar.verified, 6);
    EXPECT_FALSE(twoPerBar.enough);
    project.extension.verification.points.push_back(pointAt(0, PointRun::none, 42, 250));
    EXPECT_TRUE(evaluateAcceptance(project, 2).verification.enough);
    EXPECT_EQ(evaluateAcceptance(project, 1).verification.required, 13) << "42 bars";
}

// A beam of ten readings, three of them 17 below the lower limit 18, with drilled covers 1.2 to 1.4 mm above
// them; and a slab of diameter 12 without verification.
Project lowReadingsDrilledHigher()
{
    MemberRecord beam = singlePointMember("梁", {17, 17, 17, 25, 25, 25, 25, 25, 25, 25});
    beam.knownDiameter = 20;
    MemberRecord slab = singlePointMember("板", readings(9, {12}), 8, -5);
    slab.knownDiameter = 12;
    Project project = projectOf({beam, slab});
    project.extension.verification.points = {pointAt(0, PointRun::none, 1, 182), pointAt(0, PointRun::none, 2, 184),
                                             pointAt(0, PointRun::none, 3, 183)};
    return project;
}

TEST(CorrectedEvaluation, judgesCorrectedCoversOnlyWhenTheProjectSaysSo)
{
    Project project = lowReadingsDrilledHigher();
    const AcceptanceEvaluation raw = evaluateAcceptance(project);
    EXPECT_FALSE(raw.judgedCorrected);
    EXPECT_EQ(raw.lots[0].result, LotResult::rejected);
    EXPECT_DOUBLE_EQ(*raw.lots[0].first.rate, 70.0);
    EXPECT_EQ(raw.verification.corrections, (std::vector<DiameterCorrection>{{20, 3, 13}}));
    EXPECT_EQ(raw.verification.uncorrected, (std::vector<UncorrectedDiameter>{{12, 10}}));

    project.extension.verification.judgeCorrected = true;
    const AcceptanceEvaluation corrected = evaluateAcceptance(project);
    EXPECT_TRUE(corrected.judgedCorrected);
    EXPECT_EQ(corrected.lots[0].result, LotResult::accepted);
    EXPECT_DOUBLE_EQ(*corrected.lots[0].first.rate, 100.0);
    EXPECT_EQ(corrected.members[0].values, (std::vector<double>{18, 18, 18, 26, 26, 26, 26, 26, 26, 26}));
    EXPECT_TRUE(corrected.members[0].corrected);
    EXPECT_FALSE(corrected.members[1].corrected) << "no point of diameter 12 was verified";
    EXPECT_EQ(corrected.lots[1].result, raw.lots[1].result);
    EXPECT_EQ(corrected.members[1].values, raw.members[1].values);

    EXPECT_EQ(checkedSetVerdict(project).acceptable, 16) << "the pooled count stays on the readings";
    EXPECT_EQ(project.members[0].samples[0], 17);
}

TEST(CorrectedEvaluation, correctsEachPointBeforeTheBarMeanAndTheSpacerReachesEveryPoint)
{
    Project project = projectOf({singlePointMember("梁", {20, 21, 30, 30})});
    project.extension.verification.points = {pointAt(0, PointRun::none, 1, 205)};
    project.extension.verification.judgeCorrected = true;
    EXPECT_EQ(evaluateAcceptance(project, 2).members[0].values, (std::vector<double>{21.5, 31.0}))
        << "20.5 and 21.5 round to 21 and 22 before their mean";
    project.extension.verification.rules.spacer = 15;
    EXPECT_EQ(evaluateAcceptance(project, 2).members[0].values, (std::vector<double>{19.5, 29.0}));
    project.extension.verification.points.clear();
    const AcceptanceEvaluation spacerOnly = evaluateAcceptance(project, 1);
    EXPECT_EQ(spacerOnly.members[0].values, (std::vector<double>{19, 20, 29, 29}));
    EXPECT_TRUE(spacerOnly.members[0].corrected);
}

} // namespace
} // namespace trellon

// Text summary of lots and members of the acceptance check.
#include "evaluationsummary.h"

#include "evaluation/verdictsentence.h"
#include "model/gbk.h"
#include "model/membertype.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace trellon::cli {
namespace {

constexpr std::ptrdiff_t listedBeyondLimit = 6; // values listed per member, the others counted

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string fixedOrDash(const std::optional<double>& value, int decimals)
{
    return value ? fixed(*value, decimals) : "-";
}

// Rates are cut to a tenth as the report shows them, so that none reads as a threshold it falls short of.
std::string rateOrDash(const std::optional<double>& rate)
{
    return rate ? rateText(*rate) : "-";
}

std::string countOrDash(const std::optional<std::int32_t>& value)
{
    return value ? std::to_string(*value) : "-";
}

std::string figures(const CoverStatistics& s)
{
    return "mean " + fixedOrDash(s.mean, 2) + ", sd " + fixedOrDash(s.sd, 2) + ", min " + fixedOrDash(s.min, 1) +
           ", max " + fixedOrDash(s.max, 1) + ", characteristic " + fixedOrDash(s.characteristic, 2);
}

std::string memberList(const std::vector<std::int32_t>& members)
{
    std::string list;
    for (const std::int32_t index : members)
        list += (list.empty() ? "" : ", ") + std::to_string(index);
    return list.empty() ? "none" : list;
}

void printSample(std::ostream& out, const char* label, const SampleEvaluation& s)
{
    out << "  " << label << ": members " << memberList(s.members) << "; " << s.values << " values, " << s.acceptable
        << " acceptable, rate " << rateOrDash(s.rate) << " %\n";
    out << "    " << figures(s.statistics) << '\n';
    if (s.histogram.empty())
        return;
    out << "    histogram (mm: count):";
    for (std::size_t i = 0; i < s.histogram.size(); ++i)
        out << (i == 0 ? " " : ", ") << s.histogram[i].from << ": " << s.histogram[i].count;
    out << '\n';
}

std::string valueAndDeviation(const BeyondLimitValue& b)
{
    return fixed(b.value, 1) + " (" + (b.deviation > 0 ? "+" : "") + fixed(b.deviation, 1) + ')';
}

// One line per member: its index and number, how many of its values lie beyond the limit, the largest deviation
// among them, and the first of them.
void printBeyondLimit(std::ostream& out, const Project& project, const std::vector<BeyondLimitValue>& values)
{
    out << "  beyond the limit:";
    if (values.empty()) {
        out << " none\n";
        return;
    }
    out << '\n';
    for (auto first = values.begin(); first != values.end();) {
        const auto last =
            std::find_if(first, values.end(), [first](const BeyondLimitValue& b) { return b.member != first->member; });
        const auto worst = std::max_element(first, last, [](const BeyondLimitValue& a, const BeyondLimitValue& b) {
            return std::abs(a.deviation) < std::abs(b.deviation);
        });
        const auto count = last - first;
        out << "    member " << first->member << " ("
            << gbkToUtf8(project.members[static_cast<std::size_t>(first->member)].number) << "): " << count
            << (count == 1 ? " value" : " values") << ", worst deviation " << (worst->deviation > 0 ? "+" : "")
            << fixed(worst->deviation, 1) << ':';
        const auto listed = std::min<std::ptrdiff_t>(count, listedBeyondLimit);
        for (auto b = first; b != first + listed; ++b)
            out << (b == first ? " " : ", ") << valueAndDeviation(*b);
        if (count > listed)
            out << ", … " << count - listed << " more";
        out << '\n';
        first = last;
    }
}

void printLot(std::ostream& out, const Project& project, const LotEvaluation& lot)
{
    out << lotKindName(lot.kind) << " lot: " << lotResultText(lot.result) << '\n';
    printSample(out, "first sample", lot.first);
    if (lot.second) {
        printSample(out, "second sample", *lot.second);
        out << "  combined rate " << rateOrDash(lot.combinedRate) << " %\n";
    } else {
        out << "  second sample: none\n";
    }
    printBeyondLimit(out, project, lot.beyondLimit);
    for (const SampleSize& size : lot.sampleSizes)
        out << "  sample size " << memberTypeName(size.type) << ": population " << countOrDash(size.population)
            << ", required " << countOrDash(size.required) << ", tested " << size.tested << '\n';
    out << "  members without values: " << lot.membersWithoutValues << '\n';
}

void printMember(std::ostream& out, const MemberRecord& record, const MemberEvaluation& m)
{
    out << "  " << m.index << ' ' << gbkToUtf8(record.number) << ' ' << gbkToUtf8(record.name) << ": "
        << memberTypeName(m.type) << (m.typeSet ? " (set)" : " (from the name)") << ", ";
    if (m.lot)
        out << lotKindName(*m.lot) << " lot, " << (m.secondSample ? "second" : "first") << " sample";
    else
        out << "no lot";
    out << "; " << m.statistics.n << " values, " << m.acceptable << " acceptable; " << figures(m.statistics);
    if (m.deviationMismatch)
        out << "; deviations differ from the lot's";
    if (m.tooFewBars)
        out << "; fewer than 6 bars";
    if (m.incompleteGroup)
        out << "; last bar incomplete";
    out << '\n';
}

} // namespace

void printEvaluationSummary(std::ostream& out, const Project& project, const AcceptanceEvaluation& evaluation)
{
    out << "points per bar: " << evaluation.pointsPerBar << "\n\n";
    for (const LotEvaluation& lot : evaluation.lots) {
        printLot(out, project, lot);
        out << '\n';
    }
    out << "members:\n";
    if (evaluation.members.empty())
        out << "  none\n";
    for (const MemberEvaluation& m : evaluation.members)
        printMember(out, project.members[static_cast<std::size_t>(m.index)], m);
}

} // namespace trellon::cli

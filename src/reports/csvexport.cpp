// CSV export: rows of readings, quoted per RFC 4180.
#include "csvexport.h"

#include "model/atomicfile.h"
#include "model/barcounts.h"
#include "model/gbk.h"
#include "model/membertype.h"
#include "model/statistics.h"
#include "model/testmode.h"

#include <cstdint>
#include <optional>
#include <span>

namespace trellon {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view rowEnd = "\r\n";
constexpr std::string_view header = "index,number,name,type,mode,run,point,position,cover,designCover,lowerDeviation,"
                                    "upperDeviation,pass,ticked";

void putField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// The columns every row of a member repeats, rendered once.
class MemberRows {
public:
    MemberRows(const Project& project, std::int32_t index, std::string_view mode)
        : member_(project.members[static_cast<std::size_t>(index)])
    {
        prefix_ = std::to_string(index + 1) + ',';
        putField(prefix_, gbkToUtf8(member_.number));
        prefix_ += ',';
        putField(prefix_, gbkToUtf8(member_.name));
        prefix_ += ',';
        prefix_ += memberTypeName(memberType(project, index));
        prefix_ += ',';
        prefix_ += mode;
        prefix_ += ',';
        suffix_ = ',' + std::to_string(member_.designCover) + ',' + std::to_string(member_.lowerDeviation) + ',' +
                  std::to_string(member_.upperDeviation) + ',';
        ticked_ = member_.checked != 0 ? ",1" : ",0";
    }

    void put(std::string& out, std::string_view run, std::int32_t point, std::optional<std::int32_t> position,
             std::int32_t cover) const
    {
        out += prefix_;
        out += run;
        out += ',';
        out += std::to_string(point);
        out += ',';
        if (position)
            out += std::to_string(*position);
        out += ',';
        out += std::to_string(cover);
        out += suffix_;
        out += isWithinTolerance(member_, cover) ? '1' : '0';
        out += ticked_;
        out += rowEnd;
    }

    // A run of `bars` triples whose first cover lies at firstCover.
    void putRun(std::string& out, std::string_view run, std::int64_t firstCover, std::int32_t bars) const
    {
        for (std::int32_t j = 0; j < bars; ++j) {
            const std::int64_t cover = firstCover + 3 * std::int64_t{j};
            put(out, run, j + 1, barPositionAt(member_, cover), member_.sampleAt(cover));
        }
    }

private:
    const MemberRecord& member_;
    std::string prefix_;
    std::string suffix_;
    std::string_view ticked_;
};

void putMember(std::string& out, const Project& project, std::int32_t index)
{
    const MemberRecord& member = project.members[static_cast<std::size_t>(index)];
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter: {
        const MemberRows rows(project, index, "single");
        for (std::size_t i = 0; i < member.samples.size(); ++i)
            rows.put(out, {}, static_cast<std::int32_t>(i + 1), std::nullopt, member.samples[i]);
        break;
    }
    case TestModeDigit::singleMeasuredDiameter: {
        const MemberRows rows(project, index, "single");
        for (std::size_t i = 0; i + 1 < member.samples.size(); i += 2)
            rows.put(out, {}, static_cast<std::int32_t>(i / 2 + 1), std::nullopt, member.samples[i]);
        break;
    }
    case TestModeDigit::grid: {
        const MemberRows rows(project, index, "grid");
        const BarCounts bars = countBars(member);
        rows.putRun(out, "X", xBarCoverIndex(0), bars.x);
        rows.putRun(out, "Y", yBarCoverIndex(findRunSeparator(member.samples), 0), bars.y);
        break;
    }
    case TestModeDigit::section: {
        const MemberRows rows(project, index, "section");
        rows.putRun(out, "X", xBarCoverIndex(0), countBars(member).x);
        break;
    }
    default:
        break;
    }
}

} // namespace

std::string renderCsvExport(const Project& project)
{
    std::string out;
    out += byteOrderMark;
    out += header;
    out += rowEnd;
    for (std::int32_t i = 0; i < project.memberCount(); ++i)
        putMember(out, project, i);
    return out;
}

Status writeCsvExport(const std::string& path, const Project& project)
{
    const std::string csv = renderCsvExport(project);
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size());
    return writeFileAtomically(path, bytes, std::string(csvExportCannotOpenDetail));
}

} // namespace trellon

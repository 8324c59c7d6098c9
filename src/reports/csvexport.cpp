// CSV export: rows of readings, quoted per RFC 4180.
#include "csvexport.h"

#include "evaluation/coverjudgement.h"
#include "model/atomicfile.h"
#include "model/barcounts.h"
#include "model/gbk.h"
#include "model/membertype.h"
#include "model/testmode.h"

#include <cstdint>
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
    {
        const MemberRecord& member = project.members[static_cast<std::size_t>(index)];
        prefix_ = std::to_string(index + 1) + ',';
        putField(prefix_, gbkToUtf8(member.number));
        prefix_ += ',';
        putField(prefix_, gbkToUtf8(member.name));
        prefix_ += ',';
        prefix_ += memberTypeName(memberType(project, index));
        prefix_ += ',';
        prefix_ += mode;
        prefix_ += ',';
        suffix_ = ',' + std::to_string(member.designCover) + ',' + std::to_string(member.lowerDeviation) + ',' +
                  std::to_string(member.upperDeviation) + ',';
        ticked_ = member.checked != 0 ? ",1" : ",0";
    }

    void put(std::string& out, const JudgedPoint& point) const
    {
        out += prefix_;
        out += runName(point.run);
        out += ',';
        out += std::to_string(point.number);
        out += ',';
        if (point.position)
            out += std::to_string(*point.position);
        out += ',';
        out += std::to_string(point.cover.value_or(0));
        out += suffix_;
        out += point.acceptable ? '1' : '0';
        out += ticked_;
        out += rowEnd;
    }

private:
    static std::string_view runName(PointRun run)
    {
        switch (run) {
        case PointRun::x:
            return "X";
        case PointRun::y:
            return "Y";
        case PointRun::none:
            break;
        }
        return {};
    }

    std::string prefix_;
    std::string suffix_;
    std::string_view ticked_;
};

std::string_view modeName(TestModeDigit digit)
{
    switch (digit) {
    case TestModeDigit::singleKnownDiameter:
    case TestModeDigit::singleMeasuredDiameter:
        return "single";
    case TestModeDigit::grid:
        return "grid";
    case TestModeDigit::section:
        return "section";
    default:
        return {};
    }
}

// A row per judged point, the bars as the readings hold them.
void putMember(std::string& out, const Project& project, std::int32_t index)
{
    const MemberRecord& member = project.members[static_cast<std::size_t>(index)];
    const std::string_view mode = modeName(testModeDigit(member));
    if (mode.empty())
        return;
    const MemberRows rows(project, index, mode);
    forEachJudgedPoint(member, countBars(member), [&](const JudgedPoint& point) { rows.put(out, point); });
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

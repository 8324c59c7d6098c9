// Members and projects for the acceptance tests.
#pragma once

#include "model/gbk.h"
#include "model/project.h"

#include <string>
#include <vector>

namespace trellon::testing {

// A ticked single-point member (digit 1) of design cover 25 with the given name (UTF-8) and deviations.
inline MemberRecord singlePointMember(const std::string& name, std::vector<std::int32_t> readings,
                                      std::int32_t upper = 10, std::int32_t lower = -7)
{
    MemberRecord m;
    m.number = "1001";
    m.name = systemText(name);
    m.designCover = 25;
    m.upperDeviation = upper;
    m.lowerDeviation = lower;
    m.checked = 1;
    m.replaceSamples(std::move(readings));
    return m;
}

// `good` readings of 25 followed by the given others.
inline std::vector<std::int32_t> readings(std::size_t good, const std::vector<std::int32_t>& others)
{
    std::vector<std::int32_t> all(good, 25);
    all.insert(all.end(), others.begin(), others.end());
    return all;
}

inline Project projectOf(std::vector<MemberRecord> members)
{
    Project project;
    project.members = std::move(members);
    return project;
}

inline void flagSecondSample(Project& project, std::size_t index)
{
    if (project.extension.members.size() <= index)
        project.extension.members.resize(index + 1);
    project.extension.members[index].secondSample = true;
}

} // namespace trellon::testing

// A step that changes the design values, design diameters or ticks of members, and perhaps renames one of them.
#pragma once

#include "documentstep.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trellon {

class FieldsStep final : public DocumentStep {
public:
    struct Fields {
        std::int32_t designCover;
        std::int32_t upperDeviation;
        std::int32_t lowerDeviation;
        std::int32_t designDiameter;
        std::int32_t checked;

        static Fields of(const MemberRecord& member);
        bool operator==(const Fields&) const = default;
    };
    struct Change {
        int index;
        Fields before;
        Fields after;
    };
    // A member's name before and after; at most one member is renamed by a step.
    struct Rename {
        int index;
        std::string before;
        std::string after;
    };

    // `figures`: the fields decide the statistics (design values), else they only label the member.
    FieldsStep(ProjectDocument& document, StepText text, std::vector<Change> changes, bool figures,
               std::optional<Rename> rename, TestMode mode, int focus, QUndoCommand* group = nullptr);

    QList<int> install(Project& project, bool after) const override;

private:
    std::vector<Change> changes_;
    bool figures_;
    std::optional<Rename> rename_;
};

} // namespace trellon

// A step that changes the readings of members: corrected, inserted or deleted readings and bars.
#pragma once

#include "documentstep.h"

#include <cstdint>
#include <vector>

namespace trellon {

class ReadingsStep final : public DocumentStep {
public:
    // The readings of a member and the counts kept with them.
    struct Readings {
        std::vector<std::int32_t> samples;
        std::int32_t sampleCount;
        std::int32_t xBarCount;
        std::int32_t yBarCount;

        static Readings of(const MemberRecord& member);
        bool operator==(const Readings&) const = default;
    };
    struct Change {
        int index;
        Readings before;
        Readings after;
    };

    ReadingsStep(ProjectDocument& document, StepText text, std::vector<Change> changes, TestMode mode, int focus,
                 QUndoCommand* group = nullptr);

    QList<int> install(Project& project, bool after) const override;

private:
    std::vector<Change> changes_;
};

} // namespace trellon

// The loaded project: the member records in instrument order, and the state the main window keeps of it.
#pragma once

#include "memberrecord.h"
#include "projectextension.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace trellon {

struct Project {
    std::vector<MemberRecord> members;
    ProjectExtension extension;

    std::int32_t memberCount() const { return static_cast<std::int32_t>(members.size()); }
    bool operator==(const Project&) const = default;
};

// A new project of n default records; throws std::bad_alloc when memory cannot be had.
std::unique_ptr<Project> allocateMembers(std::int32_t n);

// The main window's hold on the project. A new project is always built aside and swapped in whole.
class ProjectState {
public:
    bool hasProject() const { return project_ != nullptr; }
    Project* project() { return project_.get(); }
    const Project* project() const { return project_.get(); }
    std::int32_t memberCount() const { return project_ ? project_->memberCount() : 0; }

    // Replaces the current project (releasing it) by a complete new one.
    void install(std::unique_ptr<Project> project) { project_ = std::move(project); }
    void releaseProject() { project_.reset(); }

    // Valid only while below memberCount(); a transfer installs a new array without changing it.
    std::int32_t selectedMember = -1;
    std::string currentFilePath;
    std::string receivePath;

private:
    std::unique_ptr<Project> project_;
};

} // namespace trellon

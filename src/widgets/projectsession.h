// The loaded project as the windows share it: the main frame owns it, every view and the panel reach it here.
#pragma once

#include "model/project.h"
#include "model/testmode.h"

#include <QObject>
#include <QString>

#include <memory>

namespace trellon {

class ProjectSession : public QObject {
    Q_OBJECT

public:
    explicit ProjectSession(QObject* parent = nullptr) : QObject(parent) {}

    ProjectState& state() { return state_; }
    const ProjectState& state() const { return state_; }
    // Null while no project is loaded.
    Project* project() { return state_.project(); }
    const Project* project() const { return state_.project(); }
    // The member at index, or null when the index is outside the loaded project.
    MemberRecord* member(int index);

    TestMode currentTestMode() const { return testMode_; }
    void setCurrentTestMode(TestMode mode) { testMode_ = mode; }

    // Installs a complete new project in place of the loaded one; on the user-interface thread only.
    void replaceProject(std::unique_ptr<Project> project);

    // Tells the views that member records were edited in place (readings, design values, names).
    void notifyMembersEdited() { emit membersEdited(); }

signals:
    void projectReplaced();
    void membersEdited();

private:
    ProjectState state_;
    TestMode testMode_ = TestMode::singlePoint;
};

} // namespace trellon

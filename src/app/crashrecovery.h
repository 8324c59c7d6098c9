// What keeps a modified project safe from a crash: this run's recovery file, written shortly after each change,
// and the offer at start of what runs that did not end cleanly left.
#pragma once

#include "document/recoveryautosave.h"
#include "document/recoveryfile.h"

#include <QCoreApplication>
#include <QString>

namespace trellon {

class CommandWindow;
class FileCommands;

class CrashRecovery {
    Q_DECLARE_TR_FUNCTIONS(CrashRecovery)

public:
    // The files lie in folder (empty: the user's state folder). The window and the file commands outlive it.
    CrashRecovery(CommandWindow& window, FileCommands& files, const QString& folder);

    // Offers the projects runs that did not end cleanly left modified, newest first, each to be restored, kept for
    // a later start or discarded; true when one was restored (as a modified project titled with the file it came
    // from).
    bool offer();
    // A clean end: nothing is left to recover.
    void discard();

    const RecoveryFile& recoveryFile() const { return file_; }
    RecoveryAutosave& autosave() { return autosave_; }

private:
    CommandWindow& window_;
    FileCommands& files_;
    RecoveryFile file_;
    RecoveryAutosave autosave_;
};

} // namespace trellon

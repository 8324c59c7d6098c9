// Keeps a modified project's recovery file in step with it, so that a crash loses at most the last moments.
#pragma once

#include "recoveryfile.h"
#include "recoverywriter.h"

#include <QObject>
#include <QTimer>

namespace trellon {

class ProjectDocument;

class RecoveryAutosave final : public QObject {
    Q_OBJECT

public:
    // How long after a change the file is written at the latest; the changes of that time make one write.
    static constexpr int defaultDelayMs = 2000;

    // The document and the file outlive the autosave. Writes and removals run on a thread of their own.
    RecoveryAutosave(ProjectDocument& document, RecoveryFile& file, QObject* parent = nullptr);

    void setDelay(int milliseconds) { timer_.setInterval(milliseconds); }

    // The project as it is now, handed to the writer at once (the project is encoded on this thread).
    void writeNow();
    // Nothing to recover: a pending write is dropped and the files are removed.
    void discard();
    // Returns once what was handed to the writer is on disk.
    void flush() { writer_.waitUntilIdle(); }

private:
    void projectChanged();

    ProjectDocument& document_;
    QTimer timer_;
    // Last: its thread ends, with the last job done, before the rest goes.
    RecoveryWriter writer_;
};

} // namespace trellon

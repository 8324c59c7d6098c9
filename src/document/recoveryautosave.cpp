// Recovery writes a moment after each change of a modified project.
#include "recoveryautosave.h"

#include "projectdocument.h"

#include "model/projectfile.h"

namespace trellon {

RecoveryAutosave::RecoveryAutosave(ProjectDocument& document, RecoveryFile& file, QObject* parent)
    : QObject(parent), document_(document), writer_([&file](const RecoveryWriter::Job& job) {
          if (job.kind == RecoveryWriter::Job::Kind::discard)
              file.discard();
          else
              file.write(job.encodedProject, job.sourcePath);
      })
{
    timer_.setSingleShot(true);
    timer_.setInterval(defaultDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryAutosave::writeNow);
    connect(&document_, &ProjectDocument::membersChanged, this, &RecoveryAutosave::projectChanged);
    connect(&document_, &ProjectDocument::projectReplaced, this, &RecoveryAutosave::projectChanged);
    connect(&document_, &ProjectDocument::modifiedChanged, this, &RecoveryAutosave::projectChanged);
}

void RecoveryAutosave::projectChanged()
{
    // Saved, or undone back to the file: nothing to recover.
    if (!document_.isModified()) {
        discard();
        return;
    }
    // A change while a write waits joins that write; the timer is not started again.
    if (!timer_.isActive())
        timer_.start();
}

void RecoveryAutosave::writeNow()
{
    timer_.stop();
    const Project* project = document_.project();
    if (project == nullptr || !document_.isModified())
        return;
    writer_.submit({RecoveryWriter::Job::Kind::write, encodeProjectFile(*project), document_.currentFilePath()});
}

void RecoveryAutosave::discard()
{
    timer_.stop();
    writer_.submit({RecoveryWriter::Job::Kind::discard, {}, {}});
}

} // namespace trellon

// Where a modified project waits, while the program runs, for a run after a crash to offer it back.
#pragma once

#include "model/project.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trellon {

// One running program's recovery file: "<id>.gj" (the project as a .gj file) and "<id>.source" (the path of the
// file it came from) in the folder, both written atomically, and "<id>.lock", held while the program runs, so
// that another instance never takes the files of a running one.
class RecoveryFile {
public:
    // A left-over pair of a run that did not end cleanly.
    struct Leftover {
        QString id;
        QString sourcePath; // empty for a project that was never saved
        QDateTime savedAt;  // when the run last wrote it
    };

    // The recovery folder of the user's state; created when missing.
    static QString defaultFolder();

    explicit RecoveryFile(QString folder);
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;
    // Leaves the files: only discard() removes them, on a clean exit or when they are no longer needed.
    ~RecoveryFile() = default;

    // Writes the encoded project and the path of its file; false when the files could not be written. write and
    // discard may run on another thread than the rest, one call at a time.
    bool write(const std::vector<std::uint8_t>& encodedProject, const std::string& sourcePath);
    void discard();
    bool exists() const;

    // The recovery files of runs whose lock is no longer held (they ended without discarding them). Each is
    // claimed: its lock is held by this instance until it is removed or this instance ends, so that two programs
    // started together never offer the same one.
    std::vector<Leftover> leftovers();
    // The left-over project with its statistics computed; null when it cannot be read.
    std::unique_ptr<Project> read(const Leftover& leftover) const;
    void remove(const Leftover& leftover);
    // Lets go of the claim and keeps the files, for a later run to offer.
    void release(const Leftover& leftover);

private:
    QString pathOf(const QString& id, const char* suffix) const;

    QString folder_;
    QString id_;
    QLockFile lock_;
    std::map<QString, std::unique_ptr<QLockFile>> claimed_;
};

} // namespace trellon

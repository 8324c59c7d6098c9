// Exports that run off the UI thread: a busy cursor at once, and, once an export has taken about half a second, a
// progress dialog that can cancel it. A cancelled or failed export leaves the target as it was.
#pragma once

#include "model/result.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace trellon {

// What an export and its dialog share across the threads: the file chosen, how far the export got, and whether it
// is to stop.
class ExportTask {
public:
    explicit ExportTask(std::string target) : target_(std::move(target)) {}

    // The path chosen, for names inside the file; the job writes elsewhere.
    const std::string& target() const { return target_; }

    // Steps of the whole export, 0 while unknown.
    void setTotal(std::int32_t total) { total_ = total; }
    void setDone(std::int32_t done) { done_ = done; }
    std::int32_t total() const { return total_; }
    std::int32_t done() const { return done_; }

    void cancel() { cancelled_ = true; }
    bool isCancelled() const { return cancelled_; }
    // The same as a flag a long computation can poll.
    const std::atomic<bool>& cancelled() const { return cancelled_; }

private:
    const std::string target_;
    std::atomic<std::int32_t> total_{0};
    std::atomic<std::int32_t> done_{0};
    std::atomic<bool> cancelled_{false};
};

// Writes a file to `path` on a worker thread.
using ExportJob = std::function<Status(const std::string& path, ExportTask& task)>;

// Runs `job` on a worker thread, writing to a temporary file beside `path` that takes the place of `path` only
// when the job succeeds and was not cancelled; meanwhile the UI stays painted, its input held back, under a busy
// cursor, and `label` stands in a modal progress dialog once the export takes a while. Returns none when
// cancelled, else the job's outcome, whose messages name `path`.
std::optional<Status> runExport(QWidget* parent, const QString& label, const std::string& path, const ExportJob& job);

} // namespace trellon

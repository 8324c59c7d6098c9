// The thread recovery files are written on, so that a slow disk never holds up editing.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace trellon {

class RecoveryWriter {
public:
    // Write the encoded project and the path of its file, or remove what was written.
    struct Job {
        enum class Kind { write, discard };
        Kind kind = Kind::write;
        std::vector<std::uint8_t> encodedProject;
        std::string sourcePath;
    };

    // `perform` runs each job on the writer's thread.
    explicit RecoveryWriter(std::function<void(const Job&)> perform);
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;
    // Carries out the job still waiting, then ends the thread.
    ~RecoveryWriter();

    // At most one job waits: a newer one takes the place of the one waiting, so the newest state wins. A job
    // already under way runs to its end.
    void submit(Job job);
    // Returns once no job waits and none is under way.
    void waitUntilIdle();

private:
    void run();

    std::function<void(const Job&)> perform_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> waiting_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace trellon

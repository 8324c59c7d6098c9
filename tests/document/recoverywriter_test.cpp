// The recovery writer's queue of one: the newest job wins, and the last one is done before the writer goes.
#include "document/recoverywriter.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace trellon {
namespace {

using Job = RecoveryWriter::Job;

Job writing(const std::string& source)
{
    return {Job::Kind::write, {1, 2, 3}, source};
}

// Records the jobs done; the job named "held" waits until released.
class Disk {
public:
    void perform(const Job& job)
    {
        std::unique_lock lock(mutex_);
        if (job.sourcePath == "held") {
            holding_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        }
        done.push_back(job.kind == Job::Kind::discard ? "discard" : job.sourcePath);
    }
    void waitUntilHolding()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return holding_; });
    }
    void release()
    {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

    std::vector<std::string> done;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool holding_ = false;
    bool released_ = false;
};

TEST(RecoveryWriterTest, whileAWriteIsUnderWayOnlyTheNewestJobWaitsAndIsDoneBeforeTheWriterEnds)
{
    Disk disk;
    {
        RecoveryWriter writer([&disk](const Job& job) { disk.perform(job); });
        writer.submit(writing("held"));
        disk.waitUntilHolding();
        writer.submit(writing("older"));
        writer.submit({Job::Kind::discard, {}, {}});
        writer.submit(writing("newest"));
        disk.release();
    }
    EXPECT_EQ(disk.done, (std::vector<std::string>{"held", "newest"}));
}

} // namespace
} // namespace trellon

// The recovery writer's thread and its queue of one.
#include "recoverywriter.h"

namespace trellon {

RecoveryWriter::RecoveryWriter(std::function<void(const Job&)> perform)
    : perform_(std::move(perform)), thread_([this] { run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void RecoveryWriter::submit(Job job)
{
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(job);
    }
    changed_.notify_all();
}

void RecoveryWriter::waitUntilIdle()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !busy_; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_)
            return;
        const Job job = std::move(*waiting_);
        waiting_.reset();
        busy_ = true;
        lock.unlock();
        perform_(job);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

} // namespace trellon

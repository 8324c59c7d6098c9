// Shared pieces of the link tests: a scratch folder, a recording observer and small frames.
#pragma once

#include "link/framebuilder.h"
#include "link/transferframe.h"
#include "link/transfersession.h"
#include "model/projectfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace trellon::testing {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-link-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // The names in the folder, temporary files included.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(path_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    fs::path path_;
};

inline std::optional<std::vector<std::uint8_t>> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// What the owner of the transfer is told; safe across threads.
class RecordingObserver : public TransferObserver {
public:
    // Runs when the end is announced, on the feeding thread, before anything is written.
    std::function<void(LinkKind)> onFrameCompleted;

    void transferProgress(const TransferProgress& progress) override
    {
        const std::lock_guard lock(mutex_);
        progress_.push_back(progress);
    }
    void frameCompleted(LinkKind kind, const Project* arrived) override
    {
        {
            const std::lock_guard lock(mutex_);
            announcements_.push_back(kind);
            arrivals_.push_back(arrived != nullptr ? std::optional<Project>(*arrived) : std::nullopt);
        }
        if (onFrameCompleted)
            onFrameCompleted(kind);
    }
    void transferEnded(TransferReport report) override
    {
        const std::lock_guard lock(mutex_);
        ++endings_;
        report_ = std::move(report);
    }
    int endings() const
    {
        const std::lock_guard lock(mutex_);
        return endings_;
    }
    // The last report; the test must have waited for the link to finish.
    TransferReport& report()
    {
        const std::lock_guard lock(mutex_);
        return report_;
    }
    TransferOutcome outcome()
    {
        const std::lock_guard lock(mutex_);
        return report_.outcome;
    }
    std::vector<TransferProgress> progress() const
    {
        const std::lock_guard lock(mutex_);
        return progress_;
    }
    std::vector<LinkKind> announcements() const
    {
        const std::lock_guard lock(mutex_);
        return announcements_;
    }
    // The project each announcement said had arrived.
    std::vector<std::optional<Project>> arrivals() const
    {
        const std::lock_guard lock(mutex_);
        return arrivals_;
    }

private:
    mutable std::mutex mutex_;
    int endings_ = 0;
    TransferReport report_;
    std::vector<TransferProgress> progress_;
    std::vector<LinkKind> announcements_;
    std::vector<std::optional<Project>> arrivals_;
};

// n single-point members of readingsEach readings; their bytes differ from member to member.
inline std::vector<std::uint8_t> frameOfMembers(std::size_t n, std::size_t readingsEach)
{
    std::vector<InstrumentMember> members;
    for (std::size_t k = 0; k < n; ++k) {
        InstrumentMember member;
        member.number = static_cast<std::uint16_t>(1001 + k);
        member.diameter = static_cast<std::uint8_t>(10 + k);
        for (std::size_t m = 0; m < readingsEach; ++m)
            member.readings.push_back(static_cast<std::uint8_t>(20 + (k * 7 + m * 3) % 60));
        members.push_back(std::move(member));
    }
    return buildTransferFrame(members);
}

// A frame without members whose sample area holds `length` bytes.
inline std::vector<std::uint8_t> frameWithoutMembers(std::uint32_t length)
{
    std::vector<std::uint8_t> frame{0x55,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    static_cast<std::uint8_t>(length >> 16),
                                    static_cast<std::uint8_t>(length >> 8),
                                    static_cast<std::uint8_t>(length),
                                    0,
                                    0};
    for (std::uint32_t k = 0; k < length; ++k)
        frame.push_back(static_cast<std::uint8_t>(1 + k % 200));
    return frame;
}

// The received-data file that decoding the frame directly gives.
inline std::vector<std::uint8_t> expectedProjectFile(const std::vector<std::uint8_t>& frame)
{
    auto project = unpackFrame(frame);
    EXPECT_TRUE(project.ok());
    return project.ok() ? encodeProjectFile(*project.value()) : std::vector<std::uint8_t>{};
}

} // namespace trellon::testing

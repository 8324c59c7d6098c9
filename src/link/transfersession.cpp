// Transfer bookkeeping between the links, the decoder, the files and the owner of the transfer.
#include "transfersession.h"

#include "model/atomicfile.h"
#include "model/projectfile.h"

namespace trellon {

std::string rawStreamPath(const std::string& receivedFilePath)
{
    constexpr std::string_view suffix = ".gj";
    if (receivedFilePath.ends_with(suffix))
        return receivedFilePath.substr(0, receivedFilePath.size() - suffix.size()) + ".raw";
    return receivedFilePath + ".raw";
}

void TransferSession::begin(LinkKind kind, LinkControl& link)
{
    kind_ = kind;
    link_ = &link;
    decoder_.reset();
    reportedBytes_ = -1;
    state_.store(State::running);
}

void TransferSession::feed(std::span<const std::uint8_t> chunk)
{
    if (chunk.empty() || state_.load() != State::running)
        return;
    std::optional<CompletedFrame> completed =
        decoder_.feedReceivedBytes(static_cast<std::int32_t>(chunk.size()), chunk.data());
    if (!completed) {
        reportProgress();
        return;
    }
    // A cancel that came first wins: the frame is dropped and nothing is written.
    State expected = State::running;
    if (!state_.compare_exchange_strong(expected, State::completing))
        return;
    reportProgress();
    endOfTransfer(completed->project ? completed->project.value().get() : nullptr);
    TransferReport report = keepFrame(std::move(*completed));
    state_.store(State::ended);
    observer_.transferEnded(std::move(report));
}

void TransferSession::reportProgress()
{
    const TransferProgress progress = decoder_.progress();
    if (progress.received == reportedBytes_)
        return;
    reportedBytes_ = progress.received;
    observer_.transferProgress(progress);
}

void TransferSession::endOfTransfer(const Project* arrived)
{
    // Serial: the end is announced while the port is still open. USB: the reader is told to stop first.
    if (kind_ == LinkKind::serial) {
        observer_.frameCompleted(kind_, arrived);
        link_->stopAtEndOfTransfer();
    } else {
        link_->stopAtEndOfTransfer();
        observer_.frameCompleted(kind_, arrived);
    }
}

TransferReport TransferSession::keepFrame(CompletedFrame frame) const
{
    TransferReport report = newReport(TransferOutcome::frameRefused);
    if (!frame.project) {
        report.detail = frame.project.error();
    } else {
        const Result<SaveOutcome> saved = writeProjectFile(receivedFilePath_, *frame.project.value());
        if (!saved) {
            report.outcome = TransferOutcome::cannotWriteReceivedFile;
            report.detail = saved.error();
        } else {
            report.outcome =
                saved.value() == SaveOutcome::nothingToWrite ? TransferOutcome::noMembers : TransferOutcome::completed;
        }
        report.project = std::move(frame.project).value();
    }
    const Status raw = writeFileAtomically(report.rawFilePath, frame.bytes, "cannot create the raw stream file");
    if (!raw)
        report.rawStreamNotWritten = raw.error();
    return report;
}

bool TransferSession::requestCancel()
{
    State expected = State::running;
    return state_.compare_exchange_strong(expected, State::cancelled);
}

void TransferSession::linkEnded(TransferOutcome why, std::optional<Error> detail)
{
    State state = state_.load();
    while (state == State::running || state == State::cancelled) {
        if (state_.compare_exchange_weak(state, State::ended)) {
            TransferReport report = newReport(state == State::cancelled ? TransferOutcome::cancelled : why);
            if (state == State::running)
                report.detail = std::move(detail);
            observer_.transferEnded(std::move(report));
            return;
        }
    }
}

TransferReport TransferSession::newReport(TransferOutcome outcome) const
{
    TransferReport report;
    report.outcome = outcome;
    report.receivedFilePath = receivedFilePath_;
    report.rawFilePath = rawStreamPath(receivedFilePath_);
    return report;
}

} // namespace trellon

// Transfer bookkeeping between the links, the decoder and the owner of the transfer.
#include "transfersession.h"

#include "model/atomicfile.h"

namespace trellon {

std::string rawStreamPath(const std::string& receivedFilePath)
{
    constexpr std::string_view suffix = ".gj";
    if (receivedFilePath.ends_with(suffix))
        return receivedFilePath.substr(0, receivedFilePath.size() - suffix.size()) + ".raw";
    return receivedFilePath + ".raw";
}

TransferSession::TransferSession(LinkMessages& messages, TransferObserver& observer)
    : messages_(messages), observer_(observer), decoder_(*this)
{
}

void TransferSession::setReceivedFilePath(std::string path)
{
    receivedFilePath_ = std::move(path);
    decoder_.setReceivedFilePath(receivedFilePath_);
}

void TransferSession::begin(LinkKind kind, LinkControl& link)
{
    link_ = &link;
    decoder_.reset();
    decoder_.setLinkKind(kind);
    reportedBytes_ = -1;
    state_.store(State::running);
}

void TransferSession::feed(std::span<const std::uint8_t> chunk)
{
    if (chunk.empty() || state_.load() != State::running)
        return;
    decoder_.feedReceivedBytes(static_cast<std::int32_t>(chunk.size()), chunk.data());
    if (state_.load() == State::running)
        reportProgress();
}

void TransferSession::reportProgress()
{
    const TransferProgress progress = decoder_.progress();
    if (progress.received == reportedBytes_)
        return;
    reportedBytes_ = progress.received;
    observer_.transferProgress(progress);
}

bool TransferSession::requestCancel()
{
    State expected = State::running;
    return state_.compare_exchange_strong(expected, State::cancelled);
}

void TransferSession::linkEnded(std::optional<Error> why)
{
    State state = state_.load();
    while (state == State::running || state == State::cancelled) {
        if (state_.compare_exchange_weak(state, State::ended)) {
            TransferResult result =
                newResult(state == State::cancelled ? TransferEnding::cancelled : TransferEnding::linkEnded);
            if (state == State::running)
                result.error = std::move(why);
            observer_.transferEnded(std::move(result));
            return;
        }
    }
}

bool TransferSession::acceptCompletedFrame(LinkKind /*kind*/)
{
    State expected = State::running;
    if (!state_.compare_exchange_strong(expected, State::completing))
        return false;
    reportProgress();
    return true;
}

void TransferSession::endOfTransfer(LinkKind kind)
{
    // Serial: the message first, then the poll stops. USB: the reader is told to stop first.
    if (kind == LinkKind::serial) {
        messages_.showLinkMessage(transferFinishedMessage);
        if (link_ != nullptr)
            link_->stopAtEndOfTransfer();
    } else {
        if (link_ != nullptr)
            link_->stopAtEndOfTransfer();
        messages_.showLinkMessage(transferFinishedMessage);
    }
}

void TransferSession::projectReceived(std::unique_ptr<Project> project, std::span<const std::uint8_t> frame,
                                      const Result<SaveOutcome>& saved)
{
    TransferResult result = newResult(TransferEnding::received);
    result.project = std::move(project);
    result.projectSaved = saved;
    result.rawSaved = writeRawStream(frame);
    state_.store(State::ended);
    observer_.transferEnded(std::move(result));
}

void TransferSession::frameRefused(const Error& error)
{
    TransferResult result = newResult(TransferEnding::refused);
    result.error = error;
    result.rawSaved = writeRawStream(decoder_.frameBuffer());
    state_.store(State::ended);
    observer_.transferEnded(std::move(result));
}

TransferResult TransferSession::newResult(TransferEnding ending) const
{
    TransferResult result;
    result.ending = ending;
    result.receivedFilePath = receivedFilePath_;
    result.rawFilePath = rawStreamPath(receivedFilePath_);
    return result;
}

Status TransferSession::writeRawStream(std::span<const std::uint8_t> frame) const
{
    return writeFileAtomically(rawStreamPath(receivedFilePath_), frame, "cannot create the raw stream file");
}

} // namespace trellon

#include "karoskop/core/batchwriter.h"

#include <QIODevice>

namespace karoskop::batch {

namespace {

// Blocks that may wait for the writing thread: enough that the decoding
// threads go on while it waits for a processor (two batches' worth kept
// them waiting for it a tenth of the time).
constexpr std::size_t kMaxWaiting = 16;
// The room a new block starts with: about half a batch of results.
constexpr qsizetype kBlockRoom = qsizetype{640} * 1024;

} // namespace

BlockWriter::BlockWriter(QIODevice& out) : out_(out), thread_([this] { run(); }) {}

BlockWriter::~BlockWriter()
{
    if (thread_.joinable()) {
        (void)finish();
    }
}

bool BlockWriter::push(QByteArray& block)
{
    QByteArray next;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return queue_.size() < kMaxWaiting || failed_; });
        if (failed_) {
            return false;
        }
        queue_.push_back(std::move(block));
        if (!written_.empty()) {
            next = std::move(written_.back());
            written_.pop_back();
        }
    }
    changed_.notify_all();
    if (next.capacity() < kBlockRoom) {
        next.reserve(kBlockRoom);
    }
    block = std::move(next);
    return true;
}

std::optional<QString> BlockWriter::finish()
{
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    thread_.join();
    return failed_ ? std::optional<QString>(error_) : std::nullopt;
}

void BlockWriter::fail()
{
    const std::lock_guard lock(mutex_);
    failed_ = true;
    error_ = QStringLiteral("Nie można zapisać wyników: %1").arg(out_.errorString());
    changed_.notify_all();
}

void BlockWriter::run()
{
    for (;;) {
        QByteArray block;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !queue_.empty() || closing_; });
            if (queue_.empty()) {
                break;
            }
            block = std::move(queue_.front());
            queue_.pop_front();
        }
        changed_.notify_all(); // room for the next block
        if (out_.write(block) != block.size()) {
            fail();
            return;
        }
        block.resize(0); // keeps its room
        const std::lock_guard lock(mutex_);
        written_.push_back(std::move(block));
    }
}

} // namespace karoskop::batch

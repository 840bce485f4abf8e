#include "karoskop/core/batchwriter.h"

#include <QIODevice>

namespace karoskop::batch {

namespace {

// Output is written in blocks of about this size.
constexpr qsizetype kOutputBlock = qsizetype{256} * 1024;
// Batches that may wait for the writing thread.
constexpr std::size_t kMaxWaiting = 4;

} // namespace

ResultWriter::ResultWriter(QIODevice& out, OutputFormat format)
    : out_(out), format_(format), thread_([this] { run(); })
{}

ResultWriter::~ResultWriter()
{
    if (thread_.joinable()) {
        (void)finish();
    }
}

bool ResultWriter::push(std::vector<LineResult> batch)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < kMaxWaiting || failed_; });
    if (failed_) {
        return false;
    }
    queue_.push_back(std::move(batch));
    changed_.notify_all();
    return true;
}

std::optional<QString> ResultWriter::finish()
{
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    thread_.join();
    return failed_ ? std::optional<QString>(error_) : std::nullopt;
}

void ResultWriter::fail()
{
    const std::lock_guard lock(mutex_);
    failed_ = true;
    error_ = QStringLiteral("Nie można zapisać wyników: %1").arg(out_.errorString());
    changed_.notify_all();
}

void ResultWriter::run()
{
    QByteArray buffer;
    buffer.reserve(kOutputBlock + qsizetype{64} * 1024);
    const auto flush = [this, &buffer] {
        const bool written = out_.write(buffer) == buffer.size();
        buffer.resize(0);
        return written;
    };
    for (;;) {
        std::vector<LineResult> batch;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !queue_.empty() || closing_; });
            if (queue_.empty()) {
                break;
            }
            batch = std::move(queue_.front());
            queue_.pop_front();
        }
        changed_.notify_all(); // room for the next batch
        for (const LineResult& result : batch) {
            if (format_ == OutputFormat::Csv) {
                appendCsv(buffer, result);
            } else {
                appendJson(buffer, result);
            }
            if (buffer.size() >= kOutputBlock && !flush()) {
                fail();
                return;
            }
        }
    }
    if (!buffer.isEmpty() && !flush()) {
        fail();
    }
}

} // namespace karoskop::batch

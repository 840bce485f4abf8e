#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QIODevice;

namespace karoskop::batch {

// Writes blocks of output on a thread of its own, so that decoding the next
// lines and writing the last ones overlap. A bounded number of blocks wait
// between the two, so memory stays bounded whatever the input's size. Written
// blocks come back for reuse: the two threads never free each other's
// memory, which would make them wait for each other in the allocator. The
// device is used by the writing thread alone until finish() returns.
class BlockWriter final
{
public:
    explicit BlockWriter(QIODevice& out);
    ~BlockWriter();
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    // Hands block over, waiting while too many wait already, and gives back
    // an empty block to fill next. False once a write has failed: nothing
    // more will be written.
    [[nodiscard]] bool push(QByteArray& block);

    // Writes what is left and stops; the reason when a write failed.
    std::optional<QString> finish();

private:
    void run();
    void fail();

    QIODevice& out_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<QByteArray> queue_;
    std::vector<QByteArray> written_; // emptied, for reuse
    bool closing_ = false;
    bool failed_ = false;
    QString error_;
    std::thread thread_; // last: starts once the members above exist
};

} // namespace karoskop::batch

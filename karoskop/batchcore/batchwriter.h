#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
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
    common::Result<void> finish();

private:
    void run();
    void fail();

    QIODevice& m_out;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_queue;
    std::vector<QByteArray> m_written; // emptied, for reuse
    bool m_closing = false;
    bool m_failed = false;
    QString m_error;
    std::thread m_thread; // last: starts once the members above exist
};

} // namespace karoskop::batch

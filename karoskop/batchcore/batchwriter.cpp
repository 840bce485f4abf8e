#include "karoskop/batchcore/batchwriter.h"

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

BlockWriter::BlockWriter(QIODevice& out) : m_out(out), m_thread([this] { run(); }) {}

BlockWriter::~BlockWriter()
{
    if (m_thread.joinable()) {
        (void)finish();
    }
}

bool BlockWriter::push(QByteArray& block)
{
    QByteArray next;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_queue.size() < kMaxWaiting || m_failed; });
        if (m_failed) {
            return false;
        }
        m_queue.push_back(std::move(block));
        if (!m_written.empty()) {
            next = std::move(m_written.back());
            m_written.pop_back();
        }
    }
    m_changed.notify_all();
    if (next.capacity() < kBlockRoom) {
        next.reserve(kBlockRoom);
    }
    block = std::move(next);
    return true;
}

common::Result<void> BlockWriter::finish()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread.join();
    if (m_failed) {
        return common::fail(m_error);
    }
    return {};
}

void BlockWriter::fail()
{
    const std::lock_guard lock(m_mutex);
    m_failed = true;
    m_error = QStringLiteral("Nie można zapisać wyników: %1").arg(m_out.errorString());
    m_changed.notify_all();
}

void BlockWriter::run()
{
    for (;;) {
        QByteArray block;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return !m_queue.empty() || m_closing; });
            if (m_queue.empty()) {
                break;
            }
            block = std::move(m_queue.front());
            m_queue.pop_front();
        }
        m_changed.notify_all(); // room for the next block
        if (m_out.write(block) != block.size()) {
            fail();
            return;
        }
        block.resize(0); // keeps its room
        const std::lock_guard lock(m_mutex);
        m_written.push_back(std::move(block));
    }
}

} // namespace karoskop::batch

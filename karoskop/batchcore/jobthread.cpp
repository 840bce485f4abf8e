#include "karoskop/batchcore/jobthread.h"

#include <utility>

namespace karoskop::batch {

JobThread::JobThread() : m_thread([this] { run(); }) {}

JobThread::~JobThread()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void JobThread::start(std::function<void()> job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_job = std::move(job);
    }
    m_changed.notify_all();
}

void JobThread::wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_job; });
}

void JobThread::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_job || m_stopping; });
        if (!m_job) {
            return;
        }
        lock.unlock();
        m_job(); // the owner does not touch m_job until it is cleared
        lock.lock();
        m_job = nullptr;
        m_changed.notify_all();
    }
}

} // namespace karoskop::batch

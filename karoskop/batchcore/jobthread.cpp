#include "karoskop/core/jobthread.h"

#include <utility>

namespace karoskop::batch {

JobThread::JobThread() : thread_([this] { run(); }) {}

JobThread::~JobThread()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void JobThread::start(std::function<void()> job)
{
    {
        const std::lock_guard lock(mutex_);
        job_ = std::move(job);
    }
    changed_.notify_all();
}

void JobThread::wait()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !job_; });
}

void JobThread::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return job_ || stopping_; });
        if (!job_) {
            return;
        }
        lock.unlock();
        job_(); // the owner does not touch job_ until it is cleared
        lock.lock();
        job_ = nullptr;
        changed_.notify_all();
    }
}

} // namespace karoskop::batch

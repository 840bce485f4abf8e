#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace karoskop::batch {

// A thread that runs one job at a time for its owner, who starts a job,
// does work of its own meanwhile, and then waits for the job to end.
class JobThread final
{
public:
    JobThread();
    ~JobThread();
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Starts job; the job before it must have been waited for.
    void start(std::function<void()> job);
    // Returns once the job started last has ended.
    void wait();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> job_; // set while a job waits or runs
    bool stopping_ = false;
    std::thread thread_; // last: starts once the members above exist
};

} // namespace karoskop::batch

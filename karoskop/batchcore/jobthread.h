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
    // Neither copied nor moved (its mutex is neither): the thread keeps a
    // pointer to this object for as long as it runs.
    JobThread();
    ~JobThread();

    // Starts job; the job before it must have been waited for.
    void start(std::function<void()> job);
    // Returns once the job started last has ended.
    void wait();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_job; // set while a job waits or runs
    bool m_stopping = false;
    std::thread m_thread; // last: starts once the members above exist
};

} // namespace karoskop::batch

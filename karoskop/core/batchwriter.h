#pragma once

#include "karoskop/core/batchoutput.h"

#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QIODevice;

namespace karoskop::batch {

// Formats results and writes them on a thread of its own, so that decoding
// the next lines and writing the last ones overlap. Only a few batches wait
// between the two, so memory stays bounded whatever the input's size. The
// device is used by the writing thread alone until finish() returns.
class ResultWriter final
{
public:
    ResultWriter(QIODevice& out, OutputFormat format);
    ~ResultWriter();
    ResultWriter(const ResultWriter&) = delete;
    ResultWriter& operator=(const ResultWriter&) = delete;

    // Hands a batch over, waiting while too many wait already. False once a
    // write has failed: nothing more will be written.
    bool push(std::vector<LineResult> batch);

    // Writes what is left and stops; the reason when a write failed.
    std::optional<QString> finish();

private:
    void run();
    void fail();

    QIODevice& out_;
    const OutputFormat format_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<LineResult>> queue_;
    bool closing_ = false;
    bool failed_ = false;
    QString error_;
    std::thread thread_; // last: starts once the members above exist
};

} // namespace karoskop::batch

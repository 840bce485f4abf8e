#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <optional>

class QIODevice;

namespace karoskop::batch {

// One input line without its line end (LF or CR LF).
struct InputLine
{
    QString text;          // invalid bytes read as U+FFFD
    bool readable = true;  // the bytes were valid UTF-8
    bool cutShort = false; // longer than LineReader::kMaxBytes; the rest was skipped
};

// Reads lines of UTF-8 text one at a time, in large blocks, so that input of
// any size, and lines of any length, take bounded memory. Every byte but LF
// belongs to a line, NUL included: one line of input is one line read.
class LineReader final
{
public:
    static constexpr qint64 kMaxBytes = 1024;

    explicit LineReader(QIODevice& device);

    // The next line, no value at the end of the input, or the system's
    // reason when reading failed; after a failure every call fails so.
    common::Result<std::optional<InputLine>> next();

private:
    // Reads the next block: false at the end of the input, a failure when
    // reading failed.
    common::Result<bool> fill();
    InputLine makeLine(const char* bytes, qsizetype size, bool cutShort);

    QIODevice& m_device;
    QStringDecoder m_decoder;
    QByteArray m_block;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    QByteArray m_long; // the start of a line that runs past the block
    QString m_error;   // why reading failed; empty while it has not
    bool m_first = true;
};

} // namespace karoskop::batch

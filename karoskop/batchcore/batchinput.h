#pragma once

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

    // The next line, or no value at the end of the input or when reading
    // failed (then failed() tells).
    std::optional<InputLine> next();

    bool failed() const { return !error_.isEmpty(); }
    const QString& errorString() const { return error_; }

private:
    bool fill(); // false at the end of the input or on a read error
    InputLine makeLine(const char* bytes, qsizetype size, bool cutShort);

    QIODevice& device_;
    QStringDecoder decoder_;
    QByteArray block_;
    qsizetype pos_ = 0;
    qsizetype end_ = 0;
    QByteArray long_; // the start of a line that runs past the block
    QString error_;
    bool first_ = true;
};

} // namespace karoskop::batch

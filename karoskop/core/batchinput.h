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

// Reads lines of UTF-8 text one at a time, so that input of any size, and
// lines of any length, take bounded memory.
class LineReader final
{
public:
    static constexpr qint64 kMaxBytes = 1024;

    explicit LineReader(QIODevice& device);

    // The next line, or no value at the end of the input.
    std::optional<InputLine> next();

private:
    void skipRestOfLine();

    QIODevice& device_;
    QStringDecoder decoder_;
    bool first_ = true;
};

} // namespace karoskop::batch

#include "karoskop/core/batchinput.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace karoskop::batch {

namespace {

constexpr qsizetype kBlockBytes = qsizetype{64} * 1024;
// A kept line with its CR and one byte that tells it was longer.
constexpr qsizetype kKeptBytes = LineReader::kMaxBytes + 2;

bool isAscii(const char* bytes, qsizetype size)
{
    return std::all_of(bytes, bytes + size,
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

LineReader::LineReader(QIODevice& device)
    : device_(device), decoder_(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless),
      block_(kBlockBytes, Qt::Uninitialized)
{}

bool LineReader::fill()
{
    pos_ = 0;
    end_ = 0;
    if (!error_.isEmpty()) {
        return false;
    }
    const qint64 n = device_.read(block_.data(), block_.size());
    if (n < 0) {
        error_ = device_.errorString();
        if (error_.isEmpty()) {
            error_ = QStringLiteral("błąd odczytu");
        }
        return false;
    }
    end_ = static_cast<qsizetype>(n);
    return n > 0;
}

std::optional<InputLine> LineReader::next()
{
    long_.clear();
    bool cut = false;
    bool any = false;
    for (;;) {
        if (pos_ == end_ && !fill()) {
            if (failed() || !any) {
                return std::nullopt;
            }
            return makeLine(long_.constData(), long_.size(), cut); // no LF at the end
        }
        any = true;
        const char* start = block_.constData() + pos_;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
        const qsizetype size = lf != nullptr ? lf - start : end_ - pos_;
        pos_ += size + (lf != nullptr ? 1 : 0);
        if (lf != nullptr && long_.isEmpty() && !cut) {
            return makeLine(start, size, false); // the common case: the line lies in the block
        }
        const qsizetype room = kKeptBytes - long_.size();
        long_.append(start, std::min(size, room));
        cut = cut || size > room;
        if (lf != nullptr) {
            return makeLine(long_.constData(), long_.size(), cut);
        }
    }
}

InputLine LineReader::makeLine(const char* bytes, qsizetype size, bool cutShort)
{
    InputLine line;
    if (!cutShort && size > 0 && bytes[size - 1] == '\r') {
        --size;
    }
    if (cutShort || size > kMaxBytes) {
        size = std::min<qsizetype>(size, kMaxBytes);
        line.cutShort = true;
    }
    if (first_ && size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        bytes += 3; // a byte-order mark some editors write
        size -= 3;
    }
    first_ = false;
    if (isAscii(bytes, size)) {
        line.text = QString::fromLatin1(bytes, size);
    } else {
        decoder_.resetState();
        line.text = decoder_.decode(QByteArrayView(bytes, size));
        line.readable = !decoder_.hasError();
    }
    return line;
}

} // namespace karoskop::batch

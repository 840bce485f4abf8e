#include "karoskop/core/batchinput.h"

#include <QIODevice>
#include <algorithm>

namespace karoskop::batch {

namespace {

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

LineReader::LineReader(QIODevice& device)
    : device_(device), decoder_(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)
{}

std::optional<InputLine> LineReader::next()
{
    if (device_.atEnd()) {
        return std::nullopt;
    }
    // Room for the longest line kept, its CR LF, and one byte that tells it was longer.
    QByteArray bytes = device_.readLine(kMaxBytes + 3);
    if (bytes.isEmpty() && device_.atEnd()) {
        return std::nullopt;
    }
    InputLine line;
    if (bytes.endsWith('\n')) {
        bytes.chop(1);
        if (bytes.endsWith('\r')) {
            bytes.chop(1);
        }
    } else if (!device_.atEnd()) {
        skipRestOfLine();
    }
    if (bytes.size() > kMaxBytes) {
        bytes.truncate(kMaxBytes);
        line.cutShort = true;
    }
    if (first_ && bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3); // a byte-order mark some editors write
    }
    first_ = false;
    if (isAscii(bytes)) {
        line.text = QString::fromLatin1(bytes);
    } else {
        decoder_.resetState();
        line.text = decoder_.decode(bytes);
        line.readable = !decoder_.hasError();
    }
    return line;
}

void LineReader::skipRestOfLine()
{
    while (!device_.atEnd()) {
        const QByteArray rest = device_.readLine(qint64{64} * 1024);
        if (rest.endsWith('\n')) {
            return;
        }
    }
}

} // namespace karoskop::batch

#include "karoskop/batchcore/batchinput.h"

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
    : m_device(device), m_decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless),
      m_block(kBlockBytes, Qt::Uninitialized)
{}

common::Result<bool> LineReader::fill()
{
    m_pos = 0;
    m_end = 0;
    if (m_error.isEmpty()) {
        const qint64 n = m_device.read(m_block.data(), m_block.size());
        if (n >= 0) {
            m_end = static_cast<qsizetype>(n);
            return n > 0;
        }
        m_error = m_device.errorString();
        if (m_error.isEmpty()) {
            m_error = QStringLiteral("błąd odczytu");
        }
    }
    return common::fail(m_error);
}

common::Result<std::optional<InputLine>> LineReader::next()
{
    m_long.clear();
    bool cut = false;
    bool any = false;
    for (;;) {
        if (m_pos == m_end) {
            const common::Result<bool> filled = fill();
            if (!filled) {
                return filled.forward();
            }
            if (!*filled) {
                if (!any) {
                    return std::optional<InputLine>();
                }
                // The last line, without an LF at its end.
                return std::optional<InputLine>(makeLine(m_long.constData(), m_long.size(), cut));
            }
        }
        any = true;
        const char* start = m_block.constData() + m_pos;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', m_end - m_pos));
        const qsizetype size = lf != nullptr ? lf - start : m_end - m_pos;
        m_pos += size + (lf != nullptr ? 1 : 0);
        if (lf != nullptr && m_long.isEmpty() && !cut) {
            // The common case: the line lies in the block.
            return std::optional<InputLine>(makeLine(start, size, false));
        }
        const qsizetype room = kKeptBytes - m_long.size();
        m_long.append(start, std::min(size, room));
        cut = cut || size > room;
        if (lf != nullptr) {
            return std::optional<InputLine>(makeLine(m_long.constData(), m_long.size(), cut));
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
    if (m_first && size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        bytes += 3; // a byte-order mark some editors write
        size -= 3;
    }
    m_first = false;
    if (isAscii(bytes, size)) {
        line.text = QString::fromLatin1(bytes, size);
    } else {
        m_decoder.resetState();
        line.text = m_decoder.decode(QByteArrayView(bytes, size));
        line.readable = !m_decoder.hasError();
    }
    return line;
}

} // namespace karoskop::batch

#include "karoskop/batchcore/batchdecoder.h"

#include "karoskop/batchcore/batchinput.h"
#include "karoskop/batchcore/batchwriter.h"
#include "karoskop/batchcore/jobthread.h"
#include "karoskop/core/checkdigit.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/vinentry.h"
#include "karoskop/core/yearcode.h"

#include <QIODevice>
#include <array>
#include <span>
#include <utility>
#include <vector>

namespace karoskop::batch {

namespace {

// The ASCII characters, which one-character texts point into.
constexpr std::array<QChar, 128> kAsciiChars = [] {
    std::array<QChar, 128> chars{};
    for (std::size_t i = 0; i < chars.size(); ++i) {
        chars.at(i) = QChar(static_cast<char16_t>(i));
    }
    return chars;
}();

// The one-character texts of the ASCII characters. They point into static
// storage, so that making one needs no allocation and copying one no
// reference counting.
const std::array<QString, 128> kAsciiTexts = [] {
    std::array<QString, 128> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts.at(i) = QString::fromRawData(&kAsciiChars.at(i), 1);
    }
    return texts;
}();

const QString& asciiText(char16_t c)
{
    return kAsciiTexts[c];
}

} // namespace

Vin entryFields(const QString& text)
{
    Vin fields;
    for (qsizetype i = 0; i < text.size() && i < kVinLength; ++i) {
        const char16_t c = text[i].toUpper().unicode();
        fields[static_cast<std::size_t>(i)] = c < 0x80 ? asciiText(c) : QString(QChar(c));
    }
    return fields;
}

namespace {

// A line of seventeen ASCII letters and digits passes every entry check, so
// its stored form is made directly into stored: upper case, O to 0 from
// position 4 on. Anything else goes through the checks; then false.
bool storePlainNumber(const QString& text, Vin& stored)
{
    if (text.size() != kVinLength) {
        return false;
    }
    constexpr int kFirstWithoutLetterO = 4;
    const char16_t* chars = QStringView(text).utf16();
    for (int i = 0; i < kVinLength; ++i) {
        char16_t c = chars[i];
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))) {
            return false;
        }
        if (c == u'O' && i + 1 >= kFirstWithoutLetterO) {
            c = u'0';
        }
        stored[static_cast<std::size_t>(i)] = asciiText(c);
    }
    return true;
}

// A line after the entry checks: the number to decode, or why the window
// would have refused it.
struct CheckedLine
{
    QString text; // the line as read
    std::optional<QString> refusal;
    Vin stored;
};

} // namespace

QString tooLongMessage()
{
    return QStringLiteral("Wprowadzony numer nadwozia zawiera więcej niż 17 znaków.");
}

QString unreadableMessage()
{
    return QStringLiteral("Wiersz zawiera bajty, które nie są poprawnym tekstem UTF-8.");
}

namespace {

// Checks line into checked, which may hold an earlier line; line's text
// is moved.
void checkLine(InputLine& line, CheckedLine& checked)
{
    checked.refusal.reset();
    // A line cut short is too long even when its bytes are not text.
    const bool tooLong = line.cutShort || (line.readable && line.text.size() > kVinLength);
    if (tooLong) {
        checked.refusal = tooLongMessage();
    } else if (!line.readable) {
        checked.refusal = unreadableMessage();
    } else if (!storePlainNumber(line.text, checked.stored)) {
        EntryResult entry = checkNumber(entryFields(line.text));
        if (entry.refusal) {
            checked.refusal = std::move(entry.refusal->message);
        } else {
            checked.stored = std::move(entry.stored);
        }
    }
    checked.text = std::move(line.text);
}

LineResult decodeChecked(CheckedLine& line, Decoder& decoder)
{
    LineResult result;
    result.vin = std::move(line.text);
    if (line.refusal) {
        result.error = std::move(line.refusal);
        return result;
    }
    decoder.decode(std::move(line.stored));
    result.severalModels = decoder.severalTypes();
    result.unknownManufacturer = !decoder.manufacturerKnown();
    result.checkDigit = checkDigitMatches(decoder.number());
    result.description = decoder.takeDescription();
    return result;
}

// Lines are read, checked and decoded in batches of this many.
constexpr std::size_t kBatchLines = 2048;
// Batches smaller than this are decoded on the calling thread alone.
constexpr std::size_t kSmallestShared = 64;

// How a result is written: the format, and the CSV separator.
class Append final
{
public:
    explicit Append(const RunOptions& options)
        : m_csv(options.format == OutputFormat::Csv), m_separator(options.separator)
    {}
    void operator()(QByteArray& out, const LineView& line) const
    {
        if (m_csv) {
            appendCsv(out, line, m_separator);
        } else {
            appendJson(out, line);
        }
    }

private:
    bool m_csv;
    char m_separator;
};

// Decodes lines and appends their results to out, straight from the
// decoder: no result is copied or kept.
void decodeInto(QByteArray& out, std::span<CheckedLine> lines, Decoder& decoder,
                const Append& append)
{
    LineView view;
    for (CheckedLine& line : lines) {
        view.vin = line.text;
        if (line.refusal) {
            view.error = &*line.refusal;
            view.description = nullptr;
            view.checkDigit.reset();
        } else {
            decoder.decode(std::move(line.stored));
            view.error = nullptr;
            view.description = &decoder.description();
            view.severalModels = decoder.severalTypes();
            view.unknownManufacturer = !decoder.manufacturerKnown();
            view.checkDigit = checkDigitMatches(decoder.number());
        }
        append(out, view);
    }
}

void checkInto(std::span<InputLine> lines, std::span<CheckedLine> checked)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        checkLine(lines[i], checked[i]);
    }
}

} // namespace

LineResult decodeLine(InputLine line, Decoder& decoder)
{
    CheckedLine checked;
    checkLine(line, checked);
    return decodeChecked(checked, decoder);
}

namespace {

// Decodes batches of lines in two halves at once: the earlier half on the
// calling thread with the caller's decoder, the later half on a second
// thread with a decoder of its own, which starts from the session the
// earlier half leaves. The output is as if one decoder had read every line
// in turn.
class HalvedRun final
{
public:
    HalvedRun(Decoder& decoder, const Append& append) : m_decoder(decoder), m_append(append) {}

    // Decodes lines, appending the earlier half's results to earlierOut and
    // the later half's to laterOut.
    void decode(std::span<CheckedLine> lines, QByteArray& earlierOut, QByteArray& laterOut)
    {
        const std::size_t split = lines.size() < kSmallestShared ? lines.size() : lines.size() / 2;
        const auto earlier = lines.first(split);
        const auto later = lines.subspan(split);
        if (later.empty()) {
            decodeInto(earlierOut, earlier, m_decoder, m_append);
            return;
        }
        DecodingSession session = m_decoder.session();
        for (const CheckedLine& line : earlier) {
            if (!line.refusal) {
                session = sessionAfter(std::move(session), line.stored);
            }
        }
        m_laterDecoder.setSession(std::move(session));
        m_laterThread.start([&] { decodeInto(laterOut, later, m_laterDecoder, m_append); });
        decodeInto(earlierOut, earlier, m_decoder, m_append);
        m_laterThread.wait();
        m_decoder.setSession(m_laterDecoder.session());
    }

private:
    Decoder& m_decoder;
    const Append m_append;
    Decoder m_laterDecoder;
    JobThread m_laterThread;
};

// Reads up to kBatchLines lines into lines; false when none were left. When
// reading fails, the lines read before are kept for the caller to decode.
common::Result<bool> readBatch(LineReader& reader, std::vector<InputLine>& lines)
{
    lines.clear();
    while (lines.size() < kBatchLines) {
        common::Result<std::optional<InputLine>> line = reader.next();
        if (!line) {
            return line.forward();
        }
        if (!line->has_value()) {
            break;
        }
        lines.push_back(std::move(*line.value()));
    }
    return !lines.empty();
}

void reportProgress(const RunOptions& options, qint64 before, qint64 after)
{
    const qint64 every = options.progressEvery;
    if (!options.progress || every <= 0) {
        return;
    }
    for (qint64 total = (before / every + 1) * every; total <= after; total += every) {
        options.progress(total);
    }
}

} // namespace

common::Result<qint64> decodeAll(QIODevice& in, QIODevice& out, Decoder& decoder,
                                 const RunOptions& options, qint64 linesBefore)
{
    LineReader reader(in);
    BlockWriter writer(out);
    HalvedRun run(decoder, Append(options));
    std::vector<InputLine> read;
    read.reserve(kBatchLines);
    std::vector<CheckedLine> checked(kBatchLines);
    QByteArray earlierOut;
    QByteArray laterOut;
    // Empty blocks to start with; each push gives the next one back.
    bool writing = writer.push(earlierOut) && writer.push(laterOut);
    qint64 lines = 0;
    common::Result<bool> batchRead = true;
    // What was read before a read error is still decoded and written.
    while (writing) {
        batchRead = readBatch(reader, read);
        if (read.empty()) {
            break;
        }
        const auto batch = std::span(checked).first(read.size());
        checkInto(read, batch);
        run.decode(batch, earlierOut, laterOut);
        writing = writer.push(earlierOut) && (laterOut.isEmpty() || writer.push(laterOut));
        const qint64 before = linesBefore + lines;
        lines += static_cast<qint64>(read.size());
        reportProgress(options, before, linesBefore + lines);
        if (!batchRead) {
            break;
        }
    }
    if (const common::Result<void> written = writer.finish(); !written) {
        return written.forward();
    }
    if (!batchRead) {
        return common::fail(
            QStringLiteral("Nie można odczytać danych wejściowych: %1").arg(batchRead.error()));
    }
    return lines;
}

} // namespace karoskop::batch

#include "karoskop/core/batchdecoder.h"

#include "karoskop/core/batchinput.h"
#include "karoskop/core/batchwriter.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/vinentry.h"

#include <QIODevice>
#include <array>
#include <utility>
#include <vector>

namespace karoskop::batch {

namespace {

// Decoded lines are handed to the writer in batches of this many.
constexpr std::size_t kBatchLines = 1024;

// One-character texts of the ASCII characters. They point into static
// storage, so a field made from one needs no allocation, and its copies no
// reference counting.
const QString& asciiText(char16_t c)
{
    static const auto kTexts = [] {
        static std::array<char16_t, 128> chars{};
        std::array<QString, 128> texts;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            chars[i] = static_cast<char16_t>(i);
            texts[i] = QString::fromRawData(reinterpret_cast<const QChar*>(&chars[i]), 1);
        }
        return texts;
    }();
    return kTexts[c];
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
// its stored form is made directly: upper case, O to 0 from position 4 on.
// Anything else goes through the checks.
std::optional<Vin> plainNumber(const QString& text)
{
    if (text.size() != kVinLength) {
        return std::nullopt;
    }
    constexpr int kFirstWithoutLetterO = 4;
    Vin stored;
    for (int i = 0; i < kVinLength; ++i) {
        char16_t c = text[i].unicode();
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))) {
            return std::nullopt;
        }
        if (c == u'O' && i + 1 >= kFirstWithoutLetterO) {
            c = u'0';
        }
        stored[static_cast<std::size_t>(i)] = asciiText(c);
    }
    return stored;
}

LineResult refused(const InputLine& line, QString message)
{
    LineResult result;
    result.vin = line.text;
    result.error = std::move(message);
    return result;
}

} // namespace

QString tooLongMessage()
{
    return QStringLiteral("Wprowadzony numer nadwozia zawiera więcej niż 17 znaków.");
}

QString unreadableMessage()
{
    return QStringLiteral("Wiersz zawiera bajty, które nie są poprawnym tekstem UTF-8.");
}

LineResult decodeLine(const InputLine& line, Decoder& decoder)
{
    if (line.cutShort) {
        return refused(line, tooLongMessage());
    }
    if (!line.readable) {
        return refused(line, unreadableMessage());
    }
    if (line.text.size() > kVinLength) {
        return refused(line, tooLongMessage());
    }
    if (std::optional<Vin> plain = plainNumber(line.text)) {
        decoder.decode(std::move(*plain));
    } else {
        EntryResult entry = checkNumber(entryFields(line.text));
        if (entry.refusal) {
            return refused(line, entry.refusal->message);
        }
        decoder.decode(std::move(entry.stored));
    }
    LineResult result;
    result.vin = line.text;
    result.description = decoder.description();
    result.severalModels = decoder.severalTypes();
    result.unknownManufacturer = !decoder.manufacturerKnown();
    return result;
}

common::Result<qint64> decodeAll(QIODevice& in, QIODevice& out, Decoder& decoder,
                                 const RunOptions& options, qint64 linesBefore)
{
    LineReader reader(in);
    ResultWriter writer(out, options.format);
    std::vector<LineResult> batch;
    batch.reserve(kBatchLines);
    qint64 lines = 0;
    bool writing = true;
    while (const std::optional<InputLine> line = reader.next()) {
        batch.push_back(decodeLine(*line, decoder));
        ++lines;
        if (batch.size() == kBatchLines) {
            writing = writer.push(std::exchange(batch, {}));
            if (!writing) {
                break;
            }
            batch.reserve(kBatchLines);
        }
        const qint64 total = linesBefore + lines;
        if (options.progress && options.progressEvery > 0 && total % options.progressEvery == 0) {
            options.progress(total);
        }
    }
    // What was decoded before a read error is still written.
    if (writing && !batch.empty()) {
        writer.push(std::move(batch));
    }
    if (const std::optional<QString> error = writer.finish()) {
        return common::Result<qint64>::failure(*error);
    }
    if (reader.failed()) {
        return common::Result<qint64>::failure(
            QStringLiteral("Nie można odczytać danych wejściowych: %1").arg(reader.errorString()));
    }
    return lines;
}

} // namespace karoskop::batch

// karoskop-batch's input as any bytes: every line the reader gives is one
// line of the input, and every result is one well-formed JSON object and
// one CSV row with the header's columns, both naming the line as read.
#include "fuzz/fuzzcheck.h"
#include "karoskop/batchcore/batchdecoder.h"
#include "karoskop/batchcore/batchinput.h"
#include "karoskop/core/decoder.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QStringList>
#include <cstdint>

using namespace karoskop;

namespace {

// One CSV record (quotes doubled inside quoted fields, the record ended by
// a line end outside quotes); nothing when it is malformed or not whole.
std::optional<QStringList> parseCsvRecord(const QString& text)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('"')) {
                fields.last() += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                fields.last() += c;
            }
        } else if (c == QLatin1Char('"') && fields.last().isEmpty()) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << QString();
        } else if (c == QLatin1Char('\n')) {
            return i + 1 == text.size() ? std::optional(fields) : std::nullopt;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\r')) {
            return std::nullopt; // must have been quoted
        } else {
            fields.last() += c;
        }
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer input(&bytes);
    FUZZ_CHECK(input.open(QIODevice::ReadOnly));
    batch::LineReader reader(input);
    Decoder decoder;
    static const qsizetype kColumns = parseCsvRecord(QString::fromUtf8(batch::csvHeader()))->size();

    const qsizetype maxLines = bytes.count('\n') + 1;
    qsizetype lines = 0;
    for (auto read = reader.next(); read && read->has_value(); read = reader.next()) {
        const batch::InputLine* line = &*read.value();
        FUZZ_CHECK(++lines <= maxLines);
        FUZZ_CHECK(!line->text.contains(QLatin1Char('\n')));
        FUZZ_CHECK(line->text.size() <= batch::LineReader::kMaxBytes);
        const batch::LineResult result = batch::decodeLine(*line, decoder);
        FUZZ_CHECK(result.vin == line->text);

        QByteArray json;
        batch::appendJson(json, result);
        FUZZ_CHECK(json.endsWith('\n') && json.count('\n') == 1);
        QJsonParseError parsed{};
        const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
        FUZZ_CHECK(parsed.error == QJsonParseError::NoError && document.isObject());
        const QJsonObject object = document.object();
        FUZZ_CHECK(object.value(QLatin1String("vin")).toString() == result.vin);
        FUZZ_CHECK(object.value(QLatin1String("error")).isNull() == !result.error);

        QByteArray csv;
        batch::appendCsv(csv, result);
        // A row may begin with a byte-order mark that is part of the line:
        // keep it, as a reader of the whole file would.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const std::optional<QStringList> row = parseCsvRecord(utf8.decode(csv));
        FUZZ_CHECK(row.has_value());
        FUZZ_CHECK(row->size() == kColumns);
        FUZZ_CHECK(row->first() == result.vin);
    }
    return 0;
}

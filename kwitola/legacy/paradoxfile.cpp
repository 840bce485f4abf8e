#include "kwitola/legacy/paradoxfile.h"

#include "common/core/cp1250.h"
#include "kwitola/legacy/fieldtext.h"
#include "kwitola/legacy/pxlib.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kwitola::legacy {

namespace {

// Header offsets of a Paradox data table.
constexpr int kHeaderBytes = 0x58;
constexpr int kFileTypeOffset = 4;
constexpr int kBlockSizeOffset = 5;
constexpr int kFieldCountOffset = 0x21;
constexpr int kVersionOffset = 0x39;
constexpr int kRecordCountOffset = 6;
constexpr int kBlockCountOffset = 0x0C;
constexpr int kBlockHeaderBytes = 6;

struct KindRow
{
    int type;
    FieldKind kind;
    const char* name;
};

// Paradox field types and what the conversion makes of them.
constexpr std::array<KindRow, 17> kKinds = {{
    {pxfAlpha, FieldKind::Alpha, "Alpha"},
    {pxfDate, FieldKind::Date, "Date"},
    {pxfShort, FieldKind::Short, "Short"},
    {pxfLong, FieldKind::Long, "Long"},
    {pxfCurrency, FieldKind::Currency, "Money"},
    {pxfNumber, FieldKind::Number, "Number"},
    {pxfLogical, FieldKind::Logical, "Logical"},
    {pxfMemoBLOb, FieldKind::Unsupported, "Memo"},
    {pxfBLOb, FieldKind::Unsupported, "BLOb"},
    {pxfFmtMemoBLOb, FieldKind::Unsupported, "Formatted Memo"},
    {pxfOLE, FieldKind::Unsupported, "OLE"},
    {pxfGraphic, FieldKind::Unsupported, "Graphic"},
    {pxfTime, FieldKind::Time, "Time"},
    {pxfTimestamp, FieldKind::Timestamp, "Timestamp"},
    {pxfAutoInc, FieldKind::AutoIncrement, "Autoincrement"},
    {pxfBCD, FieldKind::Bcd, "BCD"},
    {pxfBytes, FieldKind::Unsupported, "Bytes"},
}};

ParadoxField fieldOf(const pxfield_t& field)
{
    ParadoxField result;
    result.name = common::cp1250::decode(QByteArray(field.px_fname));
    result.length = field.px_flen;
    result.decimals = field.px_fdc;
    result.typeName = QStringLiteral("0x%1").arg(static_cast<int>(field.px_ftype), 2, 16);
    for (const KindRow& row : kKinds) {
        if (row.type == field.px_ftype) {
            result.kind = row.kind;
            result.typeName = QString::fromLatin1(row.name);
        }
    }
    return result;
}

// Errors of the library go to the file's own error text instead of stderr.
void collectError(pxdoc_t* /*doc*/, int level, const char* message, void* data)
{
    if (level != PX_Warning && data != nullptr) {
        *static_cast<QString*>(data) = QString::fromLocal8Bit(message);
    }
}

bool allZero(const char* bytes, int length)
{
    return std::all_of(bytes, bytes + length, [](char byte) { return byte == 0; });
}

} // namespace

bool isParadoxHeader(const QByteArray& header)
{
    if (header.size() < kHeaderBytes) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint16 recordSize = qFromLittleEndian<quint16>(bytes);
    const quint16 headerSize = qFromLittleEndian<quint16>(bytes + 2);
    const quint16 fieldCount = qFromLittleEndian<quint16>(bytes + kFieldCountOffset);
    const uchar fileType = bytes[kFileTypeOffset];
    const uchar blockSize = bytes[kBlockSizeOffset];
    const uchar version = bytes[kVersionOffset];
    const bool dataTable = fileType == pxfFileTypIndexDB || fileType == pxfFileTypNonIndexDB;
    const bool knownBlock = blockSize == 1 || blockSize == 2 || blockSize == 3 || blockSize == 4 ||
                            blockSize == 8 || blockSize == 16 || blockSize == 32;
    return dataTable && knownBlock && recordSize > 0 && fieldCount > 0 &&
           headerSize >= kHeaderBytes && headerSize % 0x800 == 0 && version >= 3 && version <= 12;
}

// True when the file is long enough for the blocks and records its header
// claims; the Paradox library does not survive a table cut short.
bool isWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(kHeaderBytes);
    if (!isParadoxHeader(header)) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const qint64 recordSize = qFromLittleEndian<quint16>(bytes);
    const qint64 headerSize = qFromLittleEndian<quint16>(bytes + 2);
    const qint64 blockSize = qint64{bytes[kBlockSizeOffset]} * 1024;
    const qint64 records = qFromLittleEndian<quint32>(bytes + kRecordCountOffset);
    const qint64 blocks = qFromLittleEndian<quint16>(bytes + kBlockCountOffset);
    const qint64 perBlock = (blockSize - kBlockHeaderBytes) / recordSize;
    return file.size() >= headerSize + blocks * blockSize && records <= blocks * perBlock;
}

bool isParadoxFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return isParadoxHeader(file.read(kHeaderBytes));
}

struct ParadoxFile::Private
{
    pxdoc_t* doc = nullptr;
    // The library reads a record at a time through stdio; over the file
    // mapped into memory that costs no system call per record.
    QFile file;
    uchar* mapped = nullptr;
    FILE* stream = nullptr;
    QString path;
    QString lastError;
    QByteArray record;
    std::vector<pxfield_t> raw;

    ~Private()
    {
        if (doc != nullptr) {
            PX_close(doc);
            PX_delete(doc);
        }
        if (stream != nullptr) {
            std::fclose(stream);
        }
    }
    bool openMapped()
    {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() <= 0) {
            return false;
        }
        mapped = file.map(0, file.size());
        if (mapped == nullptr) {
            return false;
        }
        stream = fmemopen(mapped, static_cast<std::size_t>(file.size()), "r");
        return stream != nullptr && PX_open_fp(doc, stream) >= 0;
    }
    [[nodiscard]] QString fileName() const { return QFileInfo(path).fileName(); }
};

ParadoxFile::ParadoxFile(std::unique_ptr<Private> d) : d(std::move(d)) {}
ParadoxFile::ParadoxFile(ParadoxFile&& other) noexcept = default;
ParadoxFile::~ParadoxFile() = default;

Result<std::unique_ptr<ParadoxFile>> ParadoxFile::open(const QString& path)
{
    using Opened = Result<std::unique_ptr<ParadoxFile>>;
    auto d = std::make_unique<Private>();
    d->path = path;
    PX_boot();
    d->doc = PX_new3(collectError, nullptr, nullptr, nullptr, &d->lastError);
    if (d->doc == nullptr) {
        return Opened::failure(
            QStringLiteral("Nie można odczytać tabeli %1: brak pamięci.").arg(d->fileName()));
    }
    PX_set_parameter(d->doc, "warning", "false");
    if (!isWhole(path)) {
        return Opened::failure(
            QStringLiteral("Tabela %1 w formacie Paradox jest niepełna lub uszkodzona.")
                .arg(d->fileName()));
    }
    if (!d->openMapped()) {
        return Opened::failure(QStringLiteral("Nie można odczytać tabeli %1 w formacie Paradox. %2")
                                   .arg(d->fileName(), d->lastError)
                                   .trimmed());
    }
    const int count = PX_get_num_fields(d->doc);
    const pxfield_t* fields = PX_get_fields(d->doc);
    std::unique_ptr<ParadoxFile> file(new ParadoxFile(std::move(d)));
    for (int i = 0; i < count; ++i) {
        file->d->raw.push_back(fields[i]);
        file->m_fields.push_back(fieldOf(fields[i]));
    }
    file->d->record.resize(std::max(PX_get_recordsize(file->d->doc), 1));
    return Opened(std::move(file));
}

qint64 ParadoxFile::recordCount() const
{
    return PX_get_num_records(d->doc);
}

namespace {

// The text of one field of record `index` that is not all zero bytes; the
// table's path only names it in a refusal.
Result<QString> fieldText(pxdoc_t* doc, const ParadoxField& field, char* data, qint64 index,
                          const QString& path)
{
    const auto fileName = [&path] {
        return QFileInfo(path).fileName();
    };
    const auto unreadable = [&] {
        return fail(QStringLiteral("Pole %1 rekordu %2 tabeli %3 jest nieczytelne.")
                        .arg(field.name)
                        .arg(index + 1)
                        .arg(fileName()));
    };
    const int length = field.length;
    long whole = 0;
    short small = 0;
    double real = 0;
    char flag = 0;
    char* digits = nullptr;
    QString text;
    switch (field.kind) {
    case FieldKind::Alpha:
        text = common::cp1250::decode(
            QByteArrayView(data, static_cast<qsizetype>(qstrnlen(data, length))));
        break;
    case FieldKind::Short:
        if (PX_get_data_short(doc, data, length, &small) < 0) {
            return unreadable();
        }
        text = wholeNumberText(small);
        break;
    case FieldKind::Long:
    case FieldKind::AutoIncrement:
    case FieldKind::Date:
    case FieldKind::Time:
        if (PX_get_data_long(doc, data, length, &whole) < 0) {
            return unreadable();
        }
        text = field.kind == FieldKind::Date   ? dateText(whole)
               : field.kind == FieldKind::Time ? timeText(whole)
                                               : wholeNumberText(whole);
        break;
    case FieldKind::Number:
    case FieldKind::Currency:
    case FieldKind::Timestamp:
        if (PX_get_data_double(doc, data, length, &real) < 0) {
            return unreadable();
        }
        text = field.kind == FieldKind::Number     ? numberText(real)
               : field.kind == FieldKind::Currency ? currencyText(real)
                                                   : timestampText(real);
        break;
    case FieldKind::Bcd:
        if (PX_get_data_bcd(doc, reinterpret_cast<unsigned char*>(data), field.decimals, &digits) <
                0 ||
            digits == nullptr) {
            return unreadable();
        }
        text = bcdText(QByteArray(digits));
        doc->free(doc, digits);
        break;
    case FieldKind::Logical:
        if (PX_get_data_byte(doc, data, length, &flag) < 0) {
            return unreadable();
        }
        text = flag != 0 ? QStringLiteral("1") : QStringLiteral("0");
        break;
    case FieldKind::Unsupported:
        return fail(QStringLiteral("Pola %1 (typ %2) tabeli %3 nie można przepisać jako tekstu.")
                        .arg(field.name, field.typeName, fileName()));
    }
    return text;
}

} // namespace

Result<QStringList> ParadoxFile::read(qint64 index)
{
    char* record = d->record.data();
    if (PX_get_record(d->doc, static_cast<int>(index), record) == nullptr) {
        return fail(QStringLiteral("Nie można odczytać rekordu %1 tabeli %2. %3")
                        .arg(index + 1)
                        .arg(d->fileName(), d->lastError)
                        .trimmed());
    }
    QStringList values;
    values.reserve(static_cast<qsizetype>(m_fields.size()));
    char* data = record;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const ParadoxField& field = m_fields[i];
        const int length = field.length;
        // A field of zero bytes is empty in every type.
        if (allZero(data, length)) {
            values << QString();
            data += length;
            continue;
        }
        auto text = fieldText(d->doc, field, data, index, d->path);
        if (!text) {
            return text.forward();
        }
        values << *text;
        data += length;
    }
    return values;
}

} // namespace kwitola::legacy

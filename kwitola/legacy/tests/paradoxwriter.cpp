#include "paradoxwriter.h"

#include "common/core/cp1250.h"
#include "kwitola/legacy/pxlib.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace kwitola::legacy::pxtest {

namespace {

// A stream over memory that grows as it is written, so that the library's
// seek and read of every record it adds costs no system call; the table is
// written to its file once, when it is closed.
struct MemoryFile
{
    QByteArray bytes;
    qsizetype pos = 0;

    static ssize_t read(void* cookie, char* buffer, std::size_t size)
    {
        auto* f = static_cast<MemoryFile*>(cookie);
        const qsizetype n =
            std::min<qsizetype>(static_cast<qsizetype>(size), f->bytes.size() - f->pos);
        if (n <= 0) {
            return 0;
        }
        std::memcpy(buffer, f->bytes.constData() + f->pos, static_cast<std::size_t>(n));
        f->pos += n;
        return n;
    }

    static ssize_t write(void* cookie, const char* buffer, std::size_t size)
    {
        auto* f = static_cast<MemoryFile*>(cookie);
        const auto n = static_cast<qsizetype>(size);
        if (f->pos + n > f->bytes.size()) {
            f->bytes.resize(f->pos + n);
        }
        std::memcpy(f->bytes.data() + f->pos, buffer, size);
        f->pos += n;
        return static_cast<ssize_t>(size);
    }

    static int seek(void* cookie, off64_t* offset, int whence)
    {
        auto* f = static_cast<MemoryFile*>(cookie);
        const qsizetype base = whence == SEEK_SET   ? 0
                               : whence == SEEK_CUR ? f->pos
                                                    : f->bytes.size();
        const qsizetype to = base + static_cast<qsizetype>(*offset);
        if (to < 0) {
            return -1;
        }
        if (to > f->bytes.size()) {
            f->bytes.resize(to); // a gap reads as zeros
        }
        f->pos = to;
        *offset = to;
        return 0;
    }
};

} // namespace

struct ParadoxWriter::Private
{
    pxdoc_t* doc = nullptr;
    std::vector<PxField> fields;
    QByteArray record;
    QString path;
    MemoryFile memory;
    FILE* stream = nullptr;
};

ParadoxWriter::ParadoxWriter(const QString& path, const std::vector<PxField>& fields,
                             const QByteArray& password)
    : d(std::make_unique<Private>())
{
    PX_boot();
    d->fields = fields;
    d->doc = PX_new();
    // The library owns the field array and names it is given.
    auto* raw = static_cast<pxfield_t*>(std::calloc(fields.size(), sizeof(pxfield_t)));
    int size = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        raw[i].px_fname = strdup(common::cp1250::encode(fields[i].name).constData());
        raw[i].px_ftype = static_cast<char>(fields[i].type);
        raw[i].px_flen = fields[i].length;
        raw[i].px_fdc = fields[i].decimals;
        size += fields[i].length;
    }
    d->path = path;
    d->stream = fopencookie(&d->memory, "w+",
                            {MemoryFile::read, MemoryFile::write, MemoryFile::seek, nullptr});
    if (d->stream == nullptr || PX_create_fp(d->doc, raw, static_cast<int>(fields.size()),
                                             d->stream, pxfFileTypNonIndexDB) < 0) {
        PX_delete(d->doc);
        d->doc = nullptr;
        return;
    }
    if (!password.isEmpty()) {
        PX_set_parameter(d->doc, "password", password.constData());
    }
    d->record.resize(size);
}

ParadoxWriter::~ParadoxWriter()
{
    (void)close();
}

bool ParadoxWriter::isOpen() const
{
    return d->doc != nullptr;
}

bool ParadoxWriter::add(const std::vector<PxValue>& values)
{
    if (d->doc == nullptr) {
        return false;
    }
    d->record.fill('\0');
    char* data = d->record.data();
    for (std::size_t i = 0; i < d->fields.size(); ++i) {
        const PxField& field = d->fields[i];
        const PxValue value = i < values.size() ? values[i] : PxValue{};
        const int len = field.length;
        if (const auto* text = std::get_if<QString>(&value)) {
            QByteArray bytes = common::cp1250::encode(*text);
            PX_put_data_alpha(d->doc, data, len, bytes.data());
        } else if (const auto* whole = std::get_if<qint64>(&value)) {
            if (field.type == PxType::Short) {
                PX_put_data_short(d->doc, data, len, static_cast<short>(*whole));
            } else if (field.type == PxType::Logical) {
                PX_put_data_byte(d->doc, data, len, static_cast<char>(*whole));
            } else {
                PX_put_data_long(d->doc, data, len, static_cast<int>(*whole));
            }
        } else if (const auto* real = std::get_if<double>(&value)) {
            PX_put_data_double(d->doc, data, len, *real);
        } else if (const auto* date = std::get_if<QDate>(&value)) {
            const long days = PX_GregorianToSdn(date->year(), date->month(), date->day()) - 1721425;
            PX_put_data_long(d->doc, data, len, static_cast<int>(days));
        } else if (const auto* bcd = std::get_if<Bcd>(&value)) {
            QByteArray digits = bcd->digits;
            PX_put_data_bcd(d->doc, data, field.decimals, digits.data());
        }
        data += len;
    }
    return PX_put_record(d->doc, d->record.data()) >= 0;
}

bool ParadoxWriter::close()
{
    if (d->doc == nullptr) {
        return false;
    }
    PX_close(d->doc);
    PX_delete(d->doc);
    d->doc = nullptr;
    const bool flushed = std::fflush(d->stream) == 0;
    std::fclose(d->stream);
    d->stream = nullptr;
    QFile file(d->path);
    return flushed && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(d->memory.bytes) == d->memory.bytes.size() && file.flush();
}

namespace {

std::vector<PxField> alphaFields(const QStringList& names, int length)
{
    std::vector<PxField> fields;
    for (const QString& name : names) {
        fields.push_back({name, PxType::Alpha, length});
    }
    return fields;
}

QStringList numberedNames(const QString& stem, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        names << stem + QString::number(i);
    }
    return names;
}

bool writeTable(const QString& path, const std::vector<PxField>& fields, int rows,
                const QByteArray& password,
                const std::function<std::vector<PxValue>(int)>& rowValues)
{
    ParadoxWriter writer(path, fields, password);
    for (int row = 0; row < rows; ++row) {
        if (!writer.add(rowValues(row))) {
            return false;
        }
    }
    return writer.close();
}

// The six tables' fields as the old program laid them out, letter case and
// record number places included.
struct LegacyFields
{
    std::vector<PxField> issuer;
    std::vector<PxField> recipient;
    std::vector<PxField> copy;
    std::vector<PxField> goods;
    std::vector<PxField> documents;
    std::vector<PxField> ledger;
};

LegacyFields legacyFields()
{
    auto issuer = alphaFields(
        {QStringLiteral("NAZWA_FIRMY"), QStringLiteral("Skrot"), QStringLiteral("adres_firmy"),
         QStringLiteral("Kod_pocztowy"), QStringLiteral("Miejscowosc"), QStringLiteral("Powiat"),
         QStringLiteral("Wojewodztwo"), QStringLiteral("Nip_firmy"), QStringLiteral("Regon_firmy"),
         QStringLiteral("Telefon_firmy"), QStringLiteral("Fax_firmy"),
         QStringLiteral("Osoba_uprawniona"), QStringLiteral("Bank"), QStringLiteral("Numer_konta")},
        40);
    auto recipient = alphaFields({QStringLiteral("Nazwa_firmy"), QStringLiteral("Index_firmy"),
                                  QStringLiteral("Adres_firmy"), QStringLiteral("Kod_pocztowy"),
                                  QStringLiteral("MIEJSCOWOSC"), QStringLiteral("Powiat"),
                                  QStringLiteral("Wojewodztwo"), QStringLiteral("Nip_firmy"),
                                  QStringLiteral("Regon_firmy"), QStringLiteral("Telefon_firmy"),
                                  QStringLiteral("Fax_firmy"), QStringLiteral("Osoba_uprawniona"),
                                  QStringLiteral("Ostatnia_transakcja")},
                                 40);
    recipient[1] = {QStringLiteral("Index_firmy"), PxType::AutoInc, 4};
    recipient[12] = {QStringLiteral("Ostatnia_transakcja"), PxType::Date, 4};
    auto copy = alphaFields(
        {QStringLiteral("Lp"), QStringLiteral("nip_firmy"), QStringLiteral("Nazwa"),
         QStringLiteral("Ulica"), QStringLiteral("Kod_pocztowy"), QStringLiteral("Miejscowosc"),
         QStringLiteral("Telefon"), QStringLiteral("Uwagi1"), QStringLiteral("Uwagi2")},
        40);
    // The goods' record number stands third here, not second.
    const std::vector<PxField> goods = {
        {QStringLiteral("Nazwa_towaru"), PxType::Alpha, 60},
        {QStringLiteral("Rezerwa"), PxType::Alpha, 10},
        {QStringLiteral("INDEX_TOWARU"), PxType::AutoInc, 4},
        {QStringLiteral("Symbol_SWW_KU"), PxType::Alpha, 20},
        {QStringLiteral("Jednostka_miary"), PxType::Alpha, 10},
        {QStringLiteral("Ilosc"), PxType::Number, 8},
        {QStringLiteral("Cena_jednostkowa_netto"), PxType::Currency, 8},
        {QStringLiteral("Stawka_vat"), PxType::Alpha, 4},
        {QStringLiteral("Pole9"), PxType::Alpha, 10},
        {QStringLiteral("Stan_poczatkowy"), PxType::Number, 8},
        {QStringLiteral("Pole11"), PxType::Alpha, 10},
        {QStringLiteral("Numer_fabryczny"), PxType::Alpha, 30},
        {QStringLiteral("Pole13"), PxType::Alpha, 10},
    };
    QStringList documentNames{QStringLiteral("Lp"), QStringLiteral("NUMER_FAKTURY")};
    documentNames << numberedNames(QStringLiteral("P"), 108);
    auto documents = alphaFields(documentNames, 20);
    auto ledger = alphaFields(numberedNames(QStringLiteral("R"), 28), 30);

    return {issuer, recipient, copy, goods, documents, ledger};
}

} // namespace

bool writeLegacyTables(const QString& folder, int rows, const QByteArray& password)
{
    const QDir dir(folder);
    const auto name = [](int row) {
        return QStringLiteral("Firma Żółć %1").arg(row);
    };

    const LegacyFields fields = legacyFields();
    const auto texts = [&](int row, int count) {
        std::vector<PxValue> values;
        values.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            values.emplace_back(QStringLiteral("ąę %1/%2").arg(row).arg(i));
        }
        return values;
    };
    return writeTable(dir.filePath(QStringLiteral("wystawca.db")), fields.issuer, rows, password,
                      [&](int row) {
                          auto values = texts(row, 14);
                          values[0] = name(row);
                          values[1] = PxValue{};
                          return values;
                      }) &&
           writeTable(dir.filePath(QStringLiteral("odbiorca.db")), fields.recipient, rows, password,
                      [&](int row) {
                          auto values = texts(row, 13);
                          values[0] = name(row);
                          values[1] = qint64{row + 1};
                          values[12] = QDate(2001, 3, 5).addDays(row % 1000);
                          return values;
                      }) &&
           writeTable(dir.filePath(QStringLiteral("firmy.DB")), fields.copy, rows, password,
                      [&](int row) { return texts(row, 9); }) &&
           writeTable(dir.filePath(QStringLiteral("magazyn.db")), fields.goods, rows, password,
                      [&](int row) {
                          return std::vector<PxValue>{QStringLiteral("Łopata %1").arg(row),
                                                      PxValue{},
                                                      qint64{row + 1},
                                                      QStringLiteral("S-%1").arg(row),
                                                      QStringLiteral("szt."),
                                                      double(row % 50),
                                                      (row % 1000) / 4.0,
                                                      QStringLiteral("22"),
                                                      PxValue{},
                                                      double(row % 50),
                                                      PxValue{},
                                                      QStringLiteral("NF-%1").arg(row),
                                                      PxValue{}};
                      }) &&
           writeTable(dir.filePath(QStringLiteral("faktury.DB")), fields.documents, rows, password,
                      [&](int row) { return texts(row, 110); }) &&
           writeTable(dir.filePath(QStringLiteral("sprzedaz.db")), fields.ledger, rows, password,
                      [&](int row) { return texts(row, 28); });
}

} // namespace kwitola::legacy::pxtest

#include "kwitola/register/export/pdffile.h"

#include "common/core/fileerrors.h"

#include <QDir>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace kwitola::registry {

namespace {

// Texts of a table repeat so much that the fastest level packs them
// nearly as tightly as the default.
constexpr int kCompression = 1;

} // namespace

void appendInteger(QByteArray& out, long long value)
{
    char digits[24];
    char* end = digits + sizeof digits;
    char* first = end;
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        *--first = '-';
    }
    out.append(first, end - first);
}

void appendHex16(QByteArray& out, unsigned value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out.append(kDigits[(value >> shift) & 0xF]);
    }
}

void appendNumber(QByteArray& out, double value)
{
    const auto thousandths = std::llround(value * 1000.0);
    if (thousandths < 0) {
        out.append('-');
    }
    const unsigned long long magnitude = thousandths < 0
                                             ? 0ULL - static_cast<unsigned long long>(thousandths)
                                             : static_cast<unsigned long long>(thousandths);
    appendInteger(out, static_cast<long long>(magnitude / 1000));
    unsigned fraction = static_cast<unsigned>(magnitude % 1000);
    if (fraction == 0) {
        return;
    }
    char digits[4] = {'.', 0, 0, 0};
    int length = 1;
    for (unsigned unit = 100; fraction != 0; unit /= 10) {
        digits[length++] = static_cast<char>('0' + fraction / unit);
        fraction %= unit;
    }
    out.append(digits, length);
}

common::Result<void> PdfFile::open(const QString& path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return common::fail(
            QStringLiteral("Nie można zapisać pliku %1: %2.")
                .arg(QDir::toNativeSeparators(path), common::describeSystemError(errno)),
            common::ErrorKind::Failed, errno);
    }
    m_offsets.assign(1, 0);
    put(QByteArrayLiteral("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"));
    return {};
}

int PdfFile::reserve()
{
    m_offsets.push_back(0);
    return static_cast<int>(m_offsets.size()) - 1;
}

void PdfFile::beginObject(int id)
{
    m_offsets.at(static_cast<std::size_t>(id)) = m_offset;
    QByteArray head;
    appendInteger(head, id);
    head.append(" 0 obj\n");
    put(head);
}

void PdfFile::writeObject(int id, const QByteArray& body)
{
    beginObject(id);
    put(body);
    put(QByteArrayLiteral("\nendobj\n"));
}

void PdfFile::writeStream(int id, const QByteArray& data, const QByteArray& dictionary)
{
    writePacked(id, qCompress(data, kCompression), dictionary);
}

void PdfFile::writeStreamLater(int id, const QByteArray& data, const QByteArray& dictionary)
{
    settle();
    try {
        m_pending = Pending{id, dictionary, std::async(std::launch::async, [data] {
                                return qCompress(data, kCompression);
                            })};
    } catch (const std::system_error&) {
        // No thread to be had: the stream is compressed here and now.
        writeStream(id, data, dictionary);
    }
}

void PdfFile::settle()
{
    if (m_pending) {
        Pending pending = std::move(*m_pending);
        m_pending.reset();
        writePacked(pending.id, pending.packed.get(), pending.dictionary);
    }
}

// qCompress writes zlib's format behind four bytes of the length.
void PdfFile::writePacked(int id, const QByteArray& packed, const QByteArray& dictionary)
{
    const qsizetype length = packed.size() - 4;
    QByteArray head("<< /Length ");
    appendInteger(head, length);
    head.append(" /Filter /FlateDecode ");
    head.append(dictionary);
    head.append(">>\nstream\n");
    beginObject(id);
    put(head);
    m_offset += length;
    if (m_writeError < 0 && m_file.write(packed.constData() + 4, length) != length) {
        m_writeError = errno;
    }
    put(QByteArrayLiteral("\nendstream\nendobj\n"));
}

void PdfFile::put(const QByteArray& bytes)
{
    m_offset += bytes.size();
    if (m_writeError < 0 && m_file.write(bytes) != bytes.size()) {
        m_writeError = errno;
    }
}

common::Result<void> PdfFile::finish(int catalog, int info)
{
    settle();
    const qint64 xref = m_offset;
    QByteArray table("xref\n0 ");
    appendInteger(table, static_cast<long long>(m_offsets.size()));
    table.append("\n0000000000 65535 f \n");
    for (std::size_t id = 1; id < m_offsets.size(); ++id) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010lld 00000 n \n",
                      static_cast<long long>(m_offsets.at(id)));
        table.append(entry, 20);
    }
    table.append("trailer\n<< /Size ");
    appendInteger(table, static_cast<long long>(m_offsets.size()));
    table.append(" /Root ");
    appendInteger(table, catalog);
    table.append(" 0 R /Info ");
    appendInteger(table, info);
    table.append(" 0 R >>\nstartxref\n");
    appendInteger(table, xref);
    table.append("\n%%EOF\n");
    put(table);
    if (m_writeError < 0 && !m_file.flush()) {
        m_writeError = errno;
    }
    m_file.close();
    if (m_writeError >= 0) {
        return common::fail(QStringLiteral("Nie można zapisać pliku %1: %2.")
                                .arg(QDir::toNativeSeparators(m_file.fileName()),
                                     common::describeSystemError(m_writeError)),
                            common::ErrorKind::Failed, m_writeError);
    }
    return {};
}

} // namespace kwitola::registry

#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <future>
#include <optional>
#include <vector>

namespace kwitola::registry {

// Appends a number as a PDF content stream writes it: at most three
// decimals, without trailing zeros ("12", "-0.5", "841.89").
void appendNumber(QByteArray& out, double value);
void appendInteger(QByteArray& out, long long value);
// Appends the low 16 bits of value as four upper-case hex digits: a glyph
// number or a UTF-16 unit in a hex string.
void appendHex16(QByteArray& out, unsigned value);

// A PDF file written object by object: objects are numbered first and may
// be written in any order, streams are compressed, and the cross-reference
// table and trailer close the file.
class PdfFile final
{
public:
    PdfFile() = default;
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    [[nodiscard]] common::Result<void> open(const QString& path);

    // The number of an object still to be written.
    [[nodiscard]] int reserve();
    void writeObject(int id, const QByteArray& body);
    // A stream of data, compressed; dictionary holds any entries besides its
    // length and filter.
    void writeStream(int id, const QByteArray& data, const QByteArray& dictionary = {});
    // The same, compressed on another thread while the caller goes on; the
    // stream is written before the next one is handed over, or at finish.
    void writeStreamLater(int id, const QByteArray& data, const QByteArray& dictionary = {});
    // Writes the cross-reference table and the trailer; a write that failed
    // on the way fails here.
    [[nodiscard]] common::Result<void> finish(int catalog, int info);

private:
    struct Pending
    {
        int id = 0;
        QByteArray dictionary;
        std::future<QByteArray> packed;
    };

    void writePacked(int id, const QByteArray& packed, const QByteArray& dictionary);
    void settle();
    void beginObject(int id);
    void put(const QByteArray& bytes);

    QFile m_file;
    qint64 m_offset = 0;
    std::vector<qint64> m_offsets; // by object number; 0 until written
    int m_writeError = -1;         // the system's error number of the first failed write
    std::optional<Pending> m_pending;
};

} // namespace kwitola::registry

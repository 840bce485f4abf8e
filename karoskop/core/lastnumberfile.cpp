#include "karoskop/core/lastnumberfile.h"

#include "common/core/atomicfile.h"
#include "common/core/cp1250.h"
#include "common/core/smallfile.h"

#include <QDir>

namespace karoskop {

QString lastNumberPath(const QString& folder)
{
    return QDir(folder).filePath(QString::fromLatin1(kLastNumberFileName));
}

QByteArray encodeLastNumber(const Vin& number)
{
    return common::cp1250::encodeLines(number);
}

Vin decodeLastNumber(const QByteArray& bytes)
{
    Vin number;
    std::size_t line = 0;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < bytes.size() && line < number.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        number[line++] = common::cp1250::decode(bytes.mid(start, i - start));
        // CR LF is one line end; a lone CR or LF ends a line as well.
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (line < number.size() && start < bytes.size()) {
        number[line] = common::cp1250::decode(bytes.mid(start)); // last line without an end
    }
    return number;
}

common::Result<std::optional<Vin>> readLastNumber(const QString& folder)
{
    // Read only up to a sane size, and never from a pipe or a device: either
    // would stop the program or fill its memory.
    const auto file = common::readSmallFile(lastNumberPath(folder));
    if (!file) {
        return file.forward();
    }
    if (!file->has_value()) {
        return std::optional<Vin>();
    }
    return std::optional<Vin>(decodeLastNumber(**file));
}

common::Result<void> writeLastNumber(const QString& folder, const Vin& number)
{
    return common::writeFileAtomically(lastNumberPath(folder), encodeLastNumber(number));
}

} // namespace karoskop

// Any bytes opened as a table file: the check only reads, so a refused file
// (or an accepted one) is left byte for byte as it was, and nothing appears
// beside it.
#include "fuzz/fuzzapp.h"
#include "fuzz/fuzzcheck.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

using namespace kwitola;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ensureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static const QTemporaryDir folder;
    const TableLayout& layout = layoutOf(Table::Odbiorca);
    const QString path = QDir(folder.path()).filePath(layout.fileName);
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(bytes) == bytes.size());
    }
    const auto checked = tablefiles::check(layout, path, QString(kTablePassword));
    if (!checked) {
        FUZZ_CHECK(checked.error().contains(layout.fileName));
    }
    FUZZ_CHECK(contents(path) == bytes);
    FUZZ_CHECK(QDir(folder.path())
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                              QDir::NoDotAndDotDot) == QStringList{layout.fileName});
    return 0;
}

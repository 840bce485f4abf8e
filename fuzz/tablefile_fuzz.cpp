// Any bytes opened as a table file: the check only reads, so a refused file
// (or an accepted one) is left byte for byte as it was, and nothing appears
// beside it.
#include "fuzz/fuzzapp.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/fuzzfiles.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tables.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>

using namespace kwitola;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ensureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    static const QTemporaryDir folder;
    const TableLayout& layout = layoutOf(Table::Odbiorca);
    const QString path = QDir(folder.path()).filePath(layout.fileName);
    putFile(path, bytes);
    const auto checked = tablefiles::check(layout, path, QString(kTablePassword));
    if (!checked) {
        FUZZ_CHECK(checked.error().contains(layout.fileName));
    }
    FUZZ_CHECK(fileBytes(path) == bytes);
    FUZZ_CHECK(QDir(folder.path())
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                              QDir::NoDotAndDotDot) == QStringList{layout.fileName});
    return 0;
}

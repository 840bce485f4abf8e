#include "kwitola/legacy/converttool.h"

#include "kwitola/legacy/legacyconvert.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace kwitola::legacy {

namespace {

const QString kUsage = QStringLiteral(
    "Użycie: kwitola-convert [FOLDER]\n"
    "Przekształca tabele poprzedniej wersji programu Kwitola (format Paradox) w folderze\n"
    "(domyślnie bieżącym) do nowego formatu. Pliki Paradox trafiają do podfolderu %1.\n");

} // namespace

int runConvertTool(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QStringList args = arguments.mid(1);
    if (args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"))) {
        out << kUsage.arg(backupFolderName());
        return 0;
    }
    if (args.size() > 1 || (!args.isEmpty() && args.first().startsWith(QLatin1Char('-')))) {
        err << kUsage.arg(backupFolderName());
        return 2;
    }
    const QString folder = args.isEmpty() ? QDir::currentPath() : args.first();
    if (!QFileInfo(folder).isDir()) {
        err << QStringLiteral("Folder %1 nie istnieje.\n").arg(folder);
        return 1;
    }
    const std::vector<FoundTable> found = findParadoxTables(folder);
    if (found.empty()) {
        out << QStringLiteral("W folderze %1 nie ma tabel w formacie Paradox.\n")
                   .arg(QDir::toNativeSeparators(folder));
        return 0;
    }
    ConversionOptions options;
    options.password = QString(kTablePassword);
    options.progress = [&](const TableConverted& table) {
        out << QStringLiteral("%1: przepisano rekordów: %2\n")
                   .arg(layoutOf(table.table).fileName)
                   .arg(table.rows);
        out.flush();
    };
    const auto report = convertFolder(folder, options);
    if (!report) {
        err << report.error() << '\n';
        return 1;
    }
    out << QStringLiteral("Gotowe. Pliki Paradox przeniesiono do folderu %1.\n")
               .arg(QDir::toNativeSeparators(report->backupFolder));
    return 0;
}

} // namespace kwitola::legacy

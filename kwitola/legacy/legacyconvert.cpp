#include "kwitola/legacy/legacyconvert.h"

#include "kwitola/legacy/paradoxfile.h"
#include "kwitola/legacy/tablewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <utility>

namespace kwitola::legacy {

namespace {

const QString kStagingName = QStringLiteral("konwersja-tabel");

// A name in the folder that nothing holds yet: base, base-2, base-3, ...
QString freeName(const QDir& folder, const QString& base)
{
    QString name = base;
    for (int i = 2; QFileInfo::exists(folder.filePath(name)); ++i) {
        name = QStringLiteral("%1-%2").arg(base).arg(i);
    }
    return folder.filePath(name);
}

// The table's file in the folder: the exact name, or else the one file
// whose name differs only in letter case.
QString tableFile(const QDir& folder, const QString& fileName)
{
    if (QFileInfo::exists(folder.filePath(fileName))) {
        return folder.filePath(fileName);
    }
    QStringList matches;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0) {
            matches << name;
        }
    }
    return matches.size() == 1 ? folder.filePath(matches.first()) : QString();
}

// The Paradox side files of a table: its primary index, memo file, validity
// checks and secondary indexes, in any letter case.
QStringList sideFiles(const QString& tablePath)
{
    static const QRegularExpression sideSuffix(
        QStringLiteral("^(PX|MB|VAL|X[0-9A-F]{2}|Y[0-9A-F]{2}|XG[0-9A-F]|YG[0-9A-F])$"),
        QRegularExpression::CaseInsensitiveOption);
    const QFileInfo table(tablePath);
    QStringList files;
    for (const QFileInfo& info : table.dir().entryInfoList(QDir::Files | QDir::Hidden)) {
        if (info.completeBaseName().compare(table.completeBaseName(), Qt::CaseInsensitive) == 0 &&
            sideSuffix.match(info.suffix()).hasMatch()) {
            files << info.absoluteFilePath();
        }
    }
    return files;
}

QString failedMessage(const QString& why)
{
    return QStringLiteral("Nie udało się przekształcić tabel: %1\nFolder pozostał bez zmian.")
        .arg(why);
}

// The swap of the old files for the new ones, undone step by step when any
// step fails.
class Swap final
{
public:
    Swap(FolderOperations& ops, const QDir& folder, const QString& staging)
        : m_ops(ops), m_folder(folder), m_staging(staging)
    {}

    StoreError run(const std::vector<FoundTable>& found, QString& backup)
    {
        backup = freeName(m_folder, backupFolderName());
        if (!m_ops.makeFolder(backup)) {
            return QStringLiteral("nie można utworzyć folderu %1.").arg(backup);
        }
        m_backup = backup;
        for (const FoundTable& table : found) {
            QStringList files = sideFiles(table.path);
            files.prepend(table.path);
            for (const QString& file : files) {
                if (auto error = move(file, QDir(backup).filePath(QFileInfo(file).fileName()))) {
                    return error;
                }
            }
        }
        for (const FoundTable& table : found) {
            const QString& name = layoutOf(table.table).fileName;
            if (auto error = move(QDir(m_staging).filePath(name), m_folder.filePath(name))) {
                return error;
            }
        }
        if (!m_ops.removeFolder(m_staging)) {
            return QStringLiteral("nie można usunąć folderu roboczego %1.").arg(m_staging);
        }
        return std::nullopt;
    }

    // Puts every moved file back; returns what could not be put back.
    QStringList undo()
    {
        QStringList left;
        for (auto it = m_moves.crbegin(); it != m_moves.crend(); ++it) {
            if (!m_ops.move(it->second, it->first)) {
                left << it->second;
            }
        }
        if (!m_backup.isEmpty() && left.isEmpty()) {
            m_ops.removeFolder(m_backup);
        }
        return left;
    }

private:
    StoreError move(const QString& from, const QString& to)
    {
        if (QFileInfo::exists(to) || !m_ops.move(from, to)) {
            return QStringLiteral("nie można przenieść pliku %1 do %2.")
                .arg(QFileInfo(from).fileName(), QDir::toNativeSeparators(to));
        }
        m_moves.emplace_back(from, to);
        return std::nullopt;
    }

    FolderOperations& m_ops;
    QDir m_folder;
    QString m_staging;
    QString m_backup;
    std::vector<std::pair<QString, QString>> m_moves;
};

// Writes every found table into the staging folder and checks its rows.
Result<std::vector<TableConverted>> writeAll(const std::vector<FoundTable>& found,
                                             const QString& staging,
                                             const ConversionOptions& options)
{
    using Written = Result<std::vector<TableConverted>>;
    std::vector<TableConverted> done;
    for (const FoundTable& table : found) {
        const QString& name = layoutOf(table.table).fileName;
        auto source = ParadoxFile::open(table.path);
        if (!source) {
            return Written::failure(source.error());
        }
        const QString target = QDir(staging).filePath(name);
        const auto written = writeTable(**source, table.table, target, options.password);
        if (!written) {
            return Written::failure(written.error());
        }
        if (options.afterWrite) {
            if (auto error = options.afterWrite(table.table, target)) {
                return Written::failure(*error);
            }
        }
        const qint64 expected = (*source)->recordCount();
        const auto counted = countRows(table.table, target);
        if (!counted) {
            return Written::failure(counted.error());
        }
        if (*counted != expected || *written != expected) {
            return Written::failure(QStringLiteral("nowa tabela %1 ma %2 rekordów zamiast %3.")
                                        .arg(name)
                                        .arg(*counted)
                                        .arg(expected));
        }
        done.push_back({table.table, *counted});
        if (options.progress) {
            options.progress(done.back());
        }
    }
    return done;
}

} // namespace

bool FolderOperations::makeFolder(const QString& path)
{
    return QDir().mkdir(path);
}

bool FolderOperations::move(const QString& from, const QString& to)
{
    return QFile::rename(from, to);
}

bool FolderOperations::removeFolder(const QString& path)
{
    return QDir().rmdir(path);
}

QString backupFolderName()
{
    return QStringLiteral("tabele-paradox");
}

std::vector<FoundTable> findParadoxTables(const QString& folder)
{
    const QDir dir(folder);
    std::vector<FoundTable> found;
    for (const Table table : kOpenOrder) {
        const QString path = tableFile(dir, layoutOf(table).fileName);
        if (!path.isEmpty() && isParadoxFile(path)) {
            found.push_back({table, path});
        }
    }
    return found;
}

Result<ConversionReport> convertFolder(const QString& folder, const ConversionOptions& options)
{
    using Report = Result<ConversionReport>;
    FolderOperations diskOperations;
    FolderOperations& ops = options.operations ? *options.operations : diskOperations;
    const QDir dir(QFileInfo(folder).absoluteFilePath());
    const std::vector<FoundTable> found = findParadoxTables(dir.path());
    ConversionReport report;
    if (found.empty()) {
        return report;
    }
    const QString staging = freeName(dir, kStagingName);
    if (!ops.makeFolder(staging)) {
        return Report::failure(
            failedMessage(QStringLiteral("nie można utworzyć folderu %1.").arg(staging)));
    }
    auto written = writeAll(found, staging, options);
    if (!written) {
        QDir(staging).removeRecursively();
        return Report::failure(failedMessage(written.error()));
    }
    Swap swap(ops, dir, staging);
    if (auto error = swap.run(found, report.backupFolder)) {
        const QStringList left = swap.undo();
        if (!left.isEmpty()) {
            return Report::failure(
                QStringLiteral("Nie udało się przekształcić tabel: %1\nNie udało się przywrócić "
                               "plików: %2. Ich kopie są w folderach %3 i %4.")
                    .arg(*error, left.join(QStringLiteral(", ")), report.backupFolder, staging));
        }
        QDir(staging).removeRecursively();
        return Report::failure(failedMessage(*error));
    }
    report.tables = std::move(written.value());
    return report;
}

} // namespace kwitola::legacy

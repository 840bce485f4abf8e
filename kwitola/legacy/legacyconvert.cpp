#include "kwitola/legacy/legacyconvert.h"

#include "kwitola/legacy/paradoxfile.h"
#include "kwitola/legacy/tablewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
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

    Result<void> run(const std::vector<FoundTable>& found)
    {
        const QString backup = freeName(m_folder, backupFolderName());
        if (!m_ops.makeFolder(backup)) {
            return fail(QStringLiteral("nie można utworzyć folderu %1.").arg(backup));
        }
        m_backup = backup;
        for (const FoundTable& table : found) {
            QStringList files = sideFiles(table.path);
            files.prepend(table.path);
            for (const QString& file : files) {
                if (auto moved = move(file, QDir(backup).filePath(QFileInfo(file).fileName()));
                    !moved) {
                    return moved;
                }
            }
        }
        for (const FoundTable& table : found) {
            const QString& name = layoutOf(table.table).fileName;
            if (auto moved = move(QDir(m_staging).filePath(name), m_folder.filePath(name));
                !moved) {
                return moved;
            }
        }
        if (!m_ops.removeFolder(m_staging)) {
            return fail(QStringLiteral("nie można usunąć folderu roboczego %1.").arg(m_staging));
        }
        return {};
    }

    // The folder the Paradox files went to; empty until it was made.
    [[nodiscard]] const QString& backupFolder() const { return m_backup; }

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
    Result<void> move(const QString& from, const QString& to)
    {
        if (QFileInfo::exists(to) || !m_ops.move(from, to)) {
            return fail(QStringLiteral("nie można przenieść pliku %1 do %2.")
                            .arg(QFileInfo(from).fileName(), QDir::toNativeSeparators(to)));
        }
        m_moves.emplace_back(from, to);
        return {};
    }

    FolderOperations& m_ops;
    QDir m_folder;
    QString m_staging;
    QString m_backup;
    std::vector<std::pair<QString, QString>> m_moves;
};

// Writes one table into the staging folder and checks its rows.
Result<qint64> convertTable(const FoundTable& table, ParadoxFile& source, const QString& staging,
                            const ConversionOptions& options)
{
    const QString& name = layoutOf(table.table).fileName;
    const QString target = QDir(staging).filePath(name);
    auto written = writeTable(source, table.table, target, options.password);
    if (!written) {
        return written;
    }
    if (options.afterWrite) {
        if (auto checked = options.afterWrite(table.table, target); !checked) {
            return checked.forward();
        }
    }
    const qint64 expected = source.recordCount();
    auto counted = countRows(table.table, target);
    if (!counted) {
        return counted;
    }
    if (*counted != expected || *written != expected) {
        return Result<qint64>::failure(QStringLiteral("nowa tabela %1 ma %2 rekordów zamiast %3.")
                                           .arg(name)
                                           .arg(*counted)
                                           .arg(expected));
    }
    return counted;
}

// The tables are converted on several threads at once, each table by one
// thread, largest first. The first failure stops the tables not yet begun.
class ParallelConversion final
{
public:
    ParallelConversion(const std::vector<FoundTable>& found,
                       std::vector<std::unique_ptr<ParadoxFile>>& sources, const QString& staging,
                       const ConversionOptions& options)
        : m_found(found), m_sources(sources), m_staging(staging), m_options(options),
          m_outcomes(found.size())
    {
        for (std::size_t i = 0; i < found.size(); ++i) {
            m_order.push_back(i);
        }
        std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
            return QFileInfo(found[a].path).size() > QFileInfo(found[b].path).size();
        });
    }

    // Converts every table; the outcomes are in the order of found, and a
    // table not begun after a failure has none.
    std::vector<std::optional<Result<qint64>>> run()
    {
        const std::size_t threads =
            std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, m_found.size());
        std::vector<std::thread> workers;
        for (std::size_t i = 0; i < threads; ++i) {
            workers.emplace_back([this] { work(); });
        }
        // Progress is told here, on the calling thread, in the tables' order.
        for (std::size_t i = 0; i < m_found.size(); ++i) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock,
                           [&] { return m_outcomes[i].has_value() || m_finished == threads; });
            if (!m_outcomes[i] || !*m_outcomes[i]) {
                break;
            }
            const TableConverted converted{m_found[i].table, **m_outcomes[i]};
            lock.unlock();
            if (m_options.progress) {
                m_options.progress(converted);
            }
        }
        for (std::thread& worker : workers) {
            worker.join();
        }
        return std::move(m_outcomes);
    }

private:
    void work()
    {
        for (;;) {
            const std::size_t next = m_next++;
            if (next >= m_order.size() || m_failed) {
                break;
            }
            const std::size_t i = m_order[next];
            Result<qint64> outcome = convertTable(m_found[i], *m_sources[i], m_staging, m_options);
            const std::lock_guard lock(m_mutex);
            m_failed = m_failed || !outcome;
            m_outcomes[i].emplace(std::move(outcome));
            m_changed.notify_all();
        }
        const std::lock_guard lock(m_mutex);
        ++m_finished;
        m_changed.notify_all();
    }

    const std::vector<FoundTable>& m_found;
    std::vector<std::unique_ptr<ParadoxFile>>& m_sources;
    const QString& m_staging;
    const ConversionOptions& m_options;
    std::vector<std::size_t> m_order; // largest table first
    std::atomic<std::size_t> m_next{0};
    std::atomic<bool> m_failed{false};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::optional<Result<qint64>>> m_outcomes;
    std::size_t m_finished = 0; // threads that took their last table
};

// Writes every found table into the staging folder and checks its rows.
Result<std::vector<TableConverted>> writeAll(const std::vector<FoundTable>& found,
                                             const QString& staging,
                                             const ConversionOptions& options)
{
    using Written = Result<std::vector<TableConverted>>;
    // Every table is opened first, on this thread: a table that cannot be
    // read stops the conversion before anything is written.
    std::vector<std::unique_ptr<ParadoxFile>> sources;
    for (const FoundTable& table : found) {
        auto source = ParadoxFile::open(table.path);
        if (!source) {
            return Written::failure(source.error());
        }
        sources.push_back(std::move(source).value());
    }
    const auto outcomes = ParallelConversion(found, sources, staging, options).run();
    std::vector<TableConverted> done;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (outcomes[i] && !*outcomes[i]) {
            return Written::failure(outcomes[i]->error());
        }
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        // Only a failure leaves a table not begun, and it was reported above.
        done.push_back({found[i].table, outcomes[i] ? **outcomes[i] : 0});
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
    if (auto swapped = swap.run(found); !swapped) {
        const QStringList left = swap.undo();
        if (!left.isEmpty()) {
            return Report::failure(
                QStringLiteral("Nie udało się przekształcić tabel: %1\nNie udało się przywrócić "
                               "plików: %2. Ich kopie są w folderach %3 i %4.")
                    .arg(swapped.error(), left.join(QStringLiteral(", ")), swap.backupFolder(),
                         staging));
        }
        QDir(staging).removeRecursively();
        return Report::failure(failedMessage(swapped.error()));
    }
    report.backupFolder = swap.backupFolder();
    report.tables = std::move(written.value());
    return report;
}

} // namespace kwitola::legacy

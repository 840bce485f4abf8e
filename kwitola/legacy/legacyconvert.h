#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tables.h"

#include <QString>
#include <functional>
#include <vector>

namespace kwitola::legacy {

// A file of one of the six tables, found in Paradox format.
struct FoundTable
{
    Table table;
    QString path;
};

// The tables of the folder whose files are in Paradox format, told by their
// header. A file is looked for by its exact name first, then by the name in
// any letter case.
[[nodiscard]] std::vector<FoundTable> findParadoxTables(const QString& folder);

// The file operations of the step that swaps the tables. The defaults act on
// the disk; tests override them to fail.
class FolderOperations
{
public:
    virtual ~FolderOperations() = default;
    virtual bool makeFolder(const QString& path);
    // Renames a file or folder; refuses when the target exists.
    virtual bool move(const QString& from, const QString& to);
    // Removes an empty folder.
    virtual bool removeFolder(const QString& path);
};

struct TableConverted
{
    Table table;
    qint64 rows = 0;
};

struct ConversionOptions
{
    // The password the new tables carry.
    QString password;
    // Nothing: the disk's own operations.
    FolderOperations* operations = nullptr;
    // Told once per table, in the order the tables were found, when its new
    // file has been written and counted; on the calling thread.
    std::function<void(const TableConverted&)> progress;
    // Called when a new table has been written, before its rows are counted;
    // an error stops the conversion. Tables are written on several threads
    // at once, so this may be called from any of them, for two tables at once.
    std::function<Result<void>(Table, const QString& newPath)> afterWrite;
};

struct ConversionReport
{
    std::vector<TableConverted> tables;
    // Where the Paradox files were moved.
    QString backupFolder;
};

// Converts every Paradox table of the folder. The new tables are written
// into a new subfolder and their row counts checked against the sources;
// only then are the Paradox files (with their side files) moved into a
// backup subfolder and the new tables put in their place. On any failure
// the folder is left as it was and the error says why.
[[nodiscard]] Result<ConversionReport> convertFolder(const QString& folder,
                                                     const ConversionOptions& options);

// The name of the subfolder the Paradox files are moved into.
QString backupFolderName();

} // namespace kwitola::legacy

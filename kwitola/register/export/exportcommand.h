#pragma once

#include "common/core/result.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace kwitola::registry {

// What `kwitola-rejestr --eksport RRRR-MM --csv PLIK | --pdf PLIK` asks for,
// the files as absolute paths.
struct ExportRequest
{
    QString month;
    QString csvPath;
    QString pdfPath;
};

// Whether the arguments (without the program's name) ask for the command
// line rather than the window.
[[nodiscard]] bool isExportCommand(const QStringList& arguments);

// The request, files resolved against the folder the command was given in;
// a Polish text for arguments that ask for nothing sensible.
[[nodiscard]] common::Result<ExportRequest> parseExportArguments(const QStringList& arguments,
                                                                 const QString& startFolder);

// Writes the month's sales ledger of the working folder's tables to the
// requested files. Never writes a table.
[[nodiscard]] common::Result<void> runExport(const ExportRequest& request,
                                             const QString& workingFolder);

// Lets the allocator keep the memory an export frees for its next pages
// instead of handing it back to the system and faulting it in again: the
// heap is trimmed only above 64 MB and blocks up to 32 MB come from it (the
// most the C library settles on by itself). For a process that exits after
// the export, as the command does; the window keeps the library's policy.
void keepFreedMemoryForExport();

// The whole command: parses, exports, reports on out (done) or err
// (failure); answers the exit status, 0 done, 1 failed.
int runExportCommand(const QStringList& arguments, const QString& startFolder,
                     const QString& workingFolder, QTextStream& out, QTextStream& err);

} // namespace kwitola::registry

#pragma once

#include <QStringList>

class QTextStream;

namespace kwitola::legacy {

// The command-line conversion: `kwitola-convert [folder]` converts the
// Paradox tables of the folder (the current one when none is named),
// writing a line per table to out and errors to err. Returns the exit
// status: 0 done or nothing to do, 1 failed, 2 bad arguments.
int runConvertTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace kwitola::legacy

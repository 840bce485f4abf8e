#pragma once

#include "common/core/result.h"

#include <QString>

namespace common {

// The folder a program keeps its files in. Started with the home folder or
// the root as its working directory, as a desktop menu starts it, that is
// the program's own folder under the documents folder (e.g.
// ~/Dokumenty/Kwitola); started anywhere else, it is the folder it was
// started in.
QString chooseWorkingFolder(const QString& current, const QString& home, const QString& documents,
                            const QString& program);

// Chooses the folder as above, creates it when missing and makes it the
// process's working directory. The error text is Polish and names the
// folder.
[[nodiscard]] Result<QString> enterWorkingFolder(const QString& current, const QString& home,
                                                 const QString& documents, const QString& program);

// The same with the process's own working directory, home and documents.
[[nodiscard]] Result<QString> enterWorkingFolder(const QString& program);

} // namespace common

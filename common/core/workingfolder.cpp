#include "common/core/workingfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace common {

namespace {

bool sameFolder(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() &&
           QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString chooseWorkingFolder(const QString& current, const QString& home, const QString& documents,
                            const QString& program)
{
    if (!sameFolder(current, home) && !sameFolder(current, QDir::rootPath())) {
        return current;
    }
    const QString base = documents.isEmpty() ? home : documents;
    return QDir(base).filePath(program);
}

Result<QString> enterWorkingFolder(const QString& current, const QString& home,
                                   const QString& documents, const QString& program)
{
    const QString folder = chooseWorkingFolder(current, home, documents, program);
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        return Result<QString>::failure(QStringLiteral("Nie można utworzyć folderu roboczego %1.")
                                            .arg(QDir::toNativeSeparators(folder)));
    }
    return QDir::currentPath();
}

Result<QString> enterWorkingFolder(const QString& program)
{
    return enterWorkingFolder(QDir::currentPath(), QDir::homePath(),
                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                              program);
}

} // namespace common

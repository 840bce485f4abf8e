#include "common/widgets/programicon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

namespace common {

void setProgramIcon(const QString& name, const QString& desktopEntry)
{
    // One folder per size, as the build puts them.
    const QDir icons(QStringLiteral(":/icons"));
    QIcon icon;
    for (const QString& size : icons.entryList(QDir::Dirs)) {
        const QString file =
            icons.filePath(size + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (QFileInfo::exists(file)) {
            icon.addFile(file);
        }
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(desktopEntry);
}

} // namespace common

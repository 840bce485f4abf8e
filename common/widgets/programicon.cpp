#include "common/widgets/programicon.h"

#include <QApplication>
#include <QIcon>

namespace common {

void setProgramIcon(const QString& name, const QString& desktopEntry)
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name));
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(desktopEntry);
}

} // namespace common

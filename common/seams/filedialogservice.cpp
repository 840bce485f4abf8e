#include "common/seams/filedialogservice.h"

#include <QFileDialog>
#include <QFileInfo>

namespace common {

std::optional<QString> SystemFileDialogService::openFile(QWidget* parent, const QString& caption,
                                                         const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(path).absoluteFilePath();
}

std::optional<QString> SystemFileDialogService::saveFile(QWidget* parent, const QString& caption,
                                                         const QString& filter,
                                                         const QString& suggestedPath)
{
    const QString path = QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(path).absoluteFilePath();
}

} // namespace common

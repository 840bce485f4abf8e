#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace common {

// Asks the user for an existing file to open. Windows ask through this and
// never open a QFileDialog themselves.
class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    // filter is in the dialog's own form, e.g. "Windows Bitmap (*.bmp)".
    // Returns the chosen file's absolute path, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& caption,
                                            const QString& filter) = 0;
};

// The production service: the standard file-open dialog.
class SystemFileDialogService final : public FileDialogService
{
public:
    std::optional<QString> openFile(QWidget* parent, const QString& caption,
                                    const QString& filter) override;
};

} // namespace common

#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace common {

// Asks the user for an existing file to open, or for a file to write. Windows ask through this and
// never open a QFileDialog themselves.
class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    // filter is in the dialog's own form, e.g. "Windows Bitmap (*.bmp)".
    // Returns the chosen file's absolute path, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& caption,
                                            const QString& filter) = 0;
    // Asks for a file to write, offering suggestedPath; a file that exists
    // is replaced only when the user agrees. Returns the chosen file's
    // absolute path, or nothing when cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& caption,
                                            const QString& filter,
                                            const QString& suggestedPath) = 0;
};

// The production service: the standard file-open and file-save dialogs.
class SystemFileDialogService final : public FileDialogService
{
public:
    std::optional<QString> openFile(QWidget* parent, const QString& caption,
                                    const QString& filter) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& caption, const QString& filter,
                                    const QString& suggestedPath) override;
};

} // namespace common

#pragma once

#include "common/seams/filedialogservice.h"
#include "common/seams/printerdialogservice.h"

#include <deque>
#include <vector>

namespace common::testing {

struct ScriptedAnswer
{
    bool confirmed = false;
    QString text;
};

// Records every file-open and file-save request and answers from one
// script; with an empty script the dialog counts as cancelled.
class ScriptedFileDialogService final : public FileDialogService
{
public:
    struct Request
    {
        QString caption;
        QString filter;
        QString suggestedPath; // empty for a file-open request
    };

    std::optional<QString> openFile(QWidget* parent, const QString& caption,
                                    const QString& filter) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& caption, const QString& filter,
                                    const QString& suggestedPath) override;

    // An empty optional answers as a cancelled dialog.
    void queueAnswer(const std::optional<QString>& path);
    const std::vector<Request>& requests() const { return m_requests; }

private:
    std::deque<ScriptedAnswer> m_script;
    std::vector<Request> m_requests;
};

// Records every printer choice and answers from a script; with an empty
// script the dialog counts as cancelled.
class ScriptedPrinterDialogService final : public PrinterDialogService
{
public:
    std::optional<QString> choosePrinter(QWidget* parent, const QString& currentPrinter) override;

    // An empty optional answers as a cancelled dialog.
    void queueAnswer(const std::optional<QString>& printer);
    // The printer each dialog was preset to.
    const std::vector<QString>& presets() const { return m_presets; }

private:
    std::deque<ScriptedAnswer> m_script;
    std::vector<QString> m_presets;
};

} // namespace common::testing

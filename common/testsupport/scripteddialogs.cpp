#include "common/testsupport/scripteddialogs.h"

namespace common::testing {

namespace {

std::optional<QString> takeAnswer(std::deque<ScriptedAnswer>& script)
{
    if (script.empty()) {
        return std::nullopt;
    }
    const ScriptedAnswer answer = script.front();
    script.pop_front();
    if (!answer.confirmed) {
        return std::nullopt;
    }
    return answer.text;
}

ScriptedAnswer toAnswer(const std::optional<QString>& value)
{
    return value ? ScriptedAnswer{true, *value} : ScriptedAnswer{};
}

} // namespace

std::optional<QString> ScriptedFileDialogService::openFile(QWidget* /*parent*/,
                                                           const QString& caption,
                                                           const QString& filter)
{
    m_requests.push_back({caption, filter, {}});
    return takeAnswer(m_script);
}

std::optional<QString> ScriptedFileDialogService::saveFile(QWidget* /*parent*/,
                                                           const QString& caption,
                                                           const QString& filter,
                                                           const QString& suggestedPath)
{
    m_requests.push_back({caption, filter, suggestedPath});
    return takeAnswer(m_script);
}

void ScriptedFileDialogService::queueAnswer(const std::optional<QString>& path)
{
    m_script.push_back(toAnswer(path));
}

std::optional<QString> ScriptedPrinterDialogService::choosePrinter(QWidget* /*parent*/,
                                                                   const QString& currentPrinter)
{
    m_presets.push_back(currentPrinter);
    return takeAnswer(m_script);
}

void ScriptedPrinterDialogService::queueAnswer(const std::optional<QString>& printer)
{
    m_script.push_back(toAnswer(printer));
}

} // namespace common::testing

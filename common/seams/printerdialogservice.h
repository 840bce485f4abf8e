#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace common {

// Lets the user choose the printer later printouts go to. Windows ask through
// this and never open a QPrintDialog themselves.
class PrinterDialogService
{
public:
    virtual ~PrinterDialogService() = default;
    // Shows the system's print dialog preset to currentPrinter (empty: the
    // default printer). Returns the chosen printer's name, or nothing when the
    // user cancelled or the system has no printer.
    virtual std::optional<QString> choosePrinter(QWidget* parent,
                                                 const QString& currentPrinter) = 0;
};

// The production service: the standard print dialog.
class SystemPrinterDialogService final : public PrinterDialogService
{
public:
    std::optional<QString> choosePrinter(QWidget* parent, const QString& currentPrinter) override;
};

} // namespace common

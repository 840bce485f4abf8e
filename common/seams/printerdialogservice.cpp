#include "common/seams/printerdialogservice.h"

#include <QPrintDialog>
#include <QPrinter>

namespace common {

std::optional<QString> SystemPrinterDialogService::choosePrinter(QWidget* parent,
                                                                 const QString& currentPrinter)
{
    QPrinter printer;
    if (!currentPrinter.isEmpty()) {
        printer.setPrinterName(currentPrinter);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted || printer.printerName().isEmpty()) {
        return std::nullopt;
    }
    return printer.printerName();
}

} // namespace common

#include "karoskop/ui/tfdruk.h"

#include "common/seams/messageservice.h"
#include "common/seams/printservice.h"
#include "karoskop/core/printout.h"
#include "karoskop/core/vehicledescription.h"
#include "karoskop/ui/messages.h"

namespace karoskop {

TfDruk::TfDruk(common::PrintService& printer, common::MessageService& messages, QWidget* parent)
    : QWidget(parent), m_printer(printer), m_messages(messages)
{
    setObjectName(QStringLiteral("TfDruk"));
    setWindowTitle(QStringLiteral("Druk"));
}

void TfDruk::drukuj(const VehicleDescription& description, QWidget* messageParent)
{
    // Nothing of an earlier print stays: the page is built anew.
    m_page = decodingPrintout(description);
    const common::PrintOutcome outcome =
        m_printer.printPages({m_page}, QStringLiteral("rozkodowanie-") + description.fullVin);
    const auto notice = common::printNotice(
        outcome, QStringLiteral("W systemie nie ma drukarki. Wydruk zapisano w pliku:\n%1"),
        QStringLiteral("Nie udało się wydrukować opisu pojazdu.\n%1"));
    if (notice) {
        m_messages.show(karoskopMessage(notice->text, notice->icon), messageParent);
    }
}

} // namespace karoskop

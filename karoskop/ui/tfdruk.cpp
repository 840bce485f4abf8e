#include "karoskop/ui/tfdruk.h"

#include "common/seams/messageservice.h"
#include "common/seams/printservice.h"
#include "karoskop/core/printout.h"
#include "karoskop/core/vehicledescription.h"
#include "karoskop/ui/messages.h"

#include <QDir>

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
    switch (outcome.status) {
    case common::PrintOutcome::Status::Printed:
        return;
    case common::PrintOutcome::Status::SavedAsPdf:
        m_messages.show(
            karoskopMessage(
                QStringLiteral("W systemie nie ma drukarki. Wydruk zapisano w pliku:\n%1")
                    .arg(QDir::toNativeSeparators(outcome.detail)),
                common::MessageIcon::Information),
            messageParent);
        return;
    case common::PrintOutcome::Status::Failed:
        m_messages.show(
            karoskopMessage(
                QStringLiteral("Nie udało się wydrukować opisu pojazdu.\n%1").arg(outcome.detail),
                common::MessageIcon::Exclamation),
            messageParent);
        return;
    }
}

} // namespace karoskop

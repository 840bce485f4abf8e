#include "karoskop/ui/tfdruk.h"

#include "common/seams/messageservice.h"
#include "common/seams/printservice.h"
#include "karoskop/core/printout.h"
#include "karoskop/core/vehicledescription.h"

#include <QDir>

namespace karoskop {

TfDruk::TfDruk(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfDruk"));
    setWindowTitle(QStringLiteral("Druk"));
}

void TfDruk::setServices(common::PrintService& printer, common::MessageService& messages)
{
    m_printer = &printer;
    m_messages = &messages;
}

void TfDruk::drukuj(const VehicleDescription& description, QWidget* messageParent)
{
    // Nothing of an earlier print stays: the page is built anew.
    m_page = decodingPrintout(description);
    if (m_printer == nullptr || m_messages == nullptr) {
        return;
    }
    const common::PrintOutcome outcome =
        m_printer->printPages({m_page}, QStringLiteral("rozkodowanie-") + description.fullVin);
    common::Message message;
    message.title = QStringLiteral("Karoskop");
    switch (outcome.status) {
    case common::PrintOutcome::Status::Printed:
        return;
    case common::PrintOutcome::Status::SavedAsPdf:
        message.icon = common::MessageIcon::Information;
        message.text = QStringLiteral("W systemie nie ma drukarki. Wydruk zapisano w pliku:\n%1")
                           .arg(QDir::toNativeSeparators(outcome.detail));
        break;
    case common::PrintOutcome::Status::Failed:
        message.icon = common::MessageIcon::Exclamation;
        message.text =
            QStringLiteral("Nie udało się wydrukować opisu pojazdu.\n%1").arg(outcome.detail);
        break;
    }
    m_messages->show(message, messageParent);
}

} // namespace karoskop

#include "kwitola/ui/tfdruk.h"

#include "kwitola/ui/windowcaption.h"

namespace kwitola::ui {

TfDruk::TfDruk(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfDruk"));
    installCaption(*this, QStringLiteral("Druk"), CaptionStyle::Plain);
    setModal(true);
}

} // namespace kwitola::ui

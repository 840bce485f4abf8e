#include "kwitola/ui/tfwystawca.h"

#include "kwitola/ui/windowcaption.h"

namespace kwitola::ui {

TfWystawca::TfWystawca(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfWystawca"));
    installCaption(*this, QStringLiteral(" Nowy wystawca"));
    setModal(true);
    setFixedSize(442, 306);
}

} // namespace kwitola::ui

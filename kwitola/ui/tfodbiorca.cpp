#include "kwitola/ui/tfodbiorca.h"

#include "kwitola/ui/windowcaption.h"

namespace kwitola::ui {

TfOdbiorca::TfOdbiorca(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfOdbiorca"));
    installCaption(*this, QStringLiteral(" Nowy odbiorca"));
    setModal(true);
    setFixedSize(442, 306);
}

} // namespace kwitola::ui

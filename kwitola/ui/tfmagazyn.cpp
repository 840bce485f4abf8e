#include "kwitola/ui/tfmagazyn.h"

#include "kwitola/ui/windowcaption.h"

namespace kwitola::ui {

TfMagazyn::TfMagazyn(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfMagazyn"));
    installCaption(*this, QStringLiteral(" Kartoteka magazynowa"));
    setModal(true);
}

} // namespace kwitola::ui

#include "karoskop/ui/tfdruk.h"

namespace karoskop {

TfDruk::TfDruk(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfDruk"));
    setWindowTitle(QStringLiteral("Druk"));
}

} // namespace karoskop

#include "karoskop/ui/tfawaria.h"

namespace karoskop {

TfAwaria::TfAwaria(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfAwaria"));
    setWindowTitle(QStringLiteral("Rozkodowanie awaryjne"));
}

void TfAwaria::bezTrzechPierwszych()
{
    // The position choice is not built yet; the caller goes on to show the
    // emptied result window.
}

} // namespace karoskop

#pragma once

#include "common/core/pagemodel.h"
#include "kwitola/core/invoiceprintout.h"
#include "kwitola/ui/fixeddialog.h"

#include <QByteArray>

namespace kwitola::ui {

// The print form: never shown on screen, it holds the page of the document
// being printed, the copy mark, and the logo last loaded in this run.
class TfDruk final : public FixedDialog
{
    Q_OBJECT

public:
    explicit TfDruk(QWidget* parent = nullptr);

    // Empties the fifteen line rows and the amount in words.
    void CzyscWydruk();
    // Fills the page from the document. The logo is loaded from logoPath
    // when it is not empty; otherwise the logo loaded before stays. A file
    // that is no picture leaves the page without a logo.
    void WypelnijWydruk(const InvoicePrintInput& input, const QString& logoPath);
    void setCopyMark(const QString& mark);

    // The page as it would print now.
    [[nodiscard]] const common::Page& page() const { return m_page; }

private:
    void rebuild();

    InvoicePrintInput m_input;
    QByteArray m_logo;
    common::Page m_page;
};

} // namespace kwitola::ui

#pragma once

#include "common/core/pagemodel.h"
#include "common/seams/servicesfwd.h"

#include <QWidget>

namespace karoskop {

struct VehicleDescription;

// The print form: never shown, it holds the page of the last print and
// sends it to the default printer.
class TfDruk final : public QWidget
{
    Q_OBJECT
public:
    // printer is where pages go, messages who tells the user when one went
    // into a file or could not be printed.
    TfDruk(common::PrintService& printer, common::MessageService& messages,
           QWidget* parent = nullptr);

    // "Drukowanie": fills the page from the description and prints it at
    // once. When the page went into a file instead, or could not be printed,
    // a message over messageParent says so.
    void drukuj(const VehicleDescription& description, QWidget* messageParent = nullptr);

    // The page of the last print (empty before the first).
    const common::Page& page() const { return m_page; }

private:
    common::PrintService& m_printer;
    common::MessageService& m_messages;
    common::Page m_page;
};

} // namespace karoskop

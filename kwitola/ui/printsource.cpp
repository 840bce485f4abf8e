#include "kwitola/ui/printsource.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace kwitola::ui {

namespace {

QString textOf(const QWidget& window, const QString& name)
{
    if (const auto* edit = window.findChild<QLineEdit*>(name)) {
        return edit->text();
    }
    if (const auto* list = window.findChild<QComboBox*>(name)) {
        return list->currentText();
    }
    return {};
}

} // namespace

DocumentFields documentFields(const QWidget& mainWindow, const QString& printerName)
{
    DocumentFields fields;
    // Edit8 to Edit16: issue, delivery and advance-payment day, month, year.
    for (std::size_t i = 0; i < fields.dates.size(); ++i) {
        fields.dates.at(i) = textOf(mainWindow, QStringLiteral("Edit%1").arg(i + 8));
    }
    fields.paymentWay = textOf(mainWindow, QStringLiteral("ComboBox2"));
    fields.issuerEntry = textOf(mainWindow, QStringLiteral("lista_wystawcow"));
    fields.recipientEntry = textOf(mainWindow, QStringLiteral("lista_odbiorcow"));
    fields.number = textOf(mainWindow, QStringLiteral("Edit6"));
    fields.printerName = printerName;
    return fields;
}

const DocumentKind& chosenKind(const QWidget& mainWindow)
{
    const auto* kinds = mainWindow.findChild<QComboBox*>(QStringLiteral("Druk"));
    return documentKind(kinds ? kinds->currentIndex() : 0);
}

} // namespace kwitola::ui

#pragma once

#include "common/core/pagemodel.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace kwitola {

// A date as the three parts the window holds; a part never entered is "-".
struct PrintDate
{
    QString day = QStringLiteral("-");
    QString month = QStringLiteral("-");
    QString year = QStringLiteral("-");

    [[nodiscard]] QString joined() const;
};

struct PrintSeller
{
    QString name;
    QString address;
    QString postalCode;
    QString town;
    QString nip;
    QString regon;
    QString phone;
    QString person;
    QString bank;
    QString account;
};

struct PrintBuyer
{
    QString name;
    QString address;
    QString postalCode;
    QString town;
    QString nip;
    QString person;
};

// One document line, every value already a text.
struct PrintLine
{
    QString name;
    QString symbol;
    QString unit;
    QString quantity;
    QString unitNetPrice;
    QString netValue;
    QString vatRate;
    QString vatAmount;
    QString grossValue;
};

struct PrintTotals
{
    QString net;
    QString vat;
    QString gross;
};

// Everything one printed copy shows.
struct InvoicePrintInput
{
    QString title;
    PrintDate issueDate;
    PrintDate deliveryDate;
    PrintDate advanceDate;
    QString placeOfIssue;
    bool placeIsRecipientTown = false;
    PrintSeller seller;
    PrintBuyer buyer;
    std::vector<PrintLine> lines; // at most 15; a line without a name is not printed
    PrintTotals document;         // its gross total is the amount to pay
    PrintTotals exempt;           // "zw."
    PrintTotals rate0;
    PrintTotals rate7;
    PrintTotals rate22;
    QString amountInWords; // złoty part in words
    QString grosze;        // e.g. "50/100"
    QString paymentWay;
    QByteArray logo; // encoded picture; empty: no logo
    QString copyMark;
};

// Element names, so that callers and tests find the elements again. Row
// cells are named by their column and row: "name.3", "gross.15".
namespace invoiceprint {
inline constexpr auto kLogo = "logo";
inline constexpr auto kSeller = "seller";
inline constexpr auto kBuyer = "buyer";
inline constexpr auto kPlaceOfIssue = "placeOfIssue";
inline constexpr auto kIssueDate = "issueDate";
inline constexpr auto kDeliveryDate = "deliveryDate";
inline constexpr auto kAdvanceDate = "advanceDate";
inline constexpr auto kTitle = "title";
inline constexpr auto kCopyMark = "copyMark";
inline constexpr auto kTotalCaption = "totalCaption"; // "RAZEM :"
inline constexpr auto kAmountToPay = "amountToPay";
inline constexpr auto kAmountCaption = "amountCaption";
inline constexpr auto kWords = "words";
inline constexpr auto kPayment = "payment";
inline constexpr auto kBankLine = "bankLine";
inline constexpr auto kBuyerSignature = "buyerSignature";
inline constexpr auto kSellerSignature = "sellerSignature";
} // namespace invoiceprint

// The column of the line table whose frame is named "frame.<key>" and whose
// cells are "<key>.<row>".
QString cellName(const char* column, int row);

// The page of one copy. Equal inputs give equal pages.
common::Page invoicePrintout(const InvoicePrintInput& input);

} // namespace kwitola

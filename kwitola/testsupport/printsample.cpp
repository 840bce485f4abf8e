#include "kwitola/testsupport/printsample.h"

namespace kwitola::testing {

InvoicePrintInput gdanskInvoice(const QString& title)
{
    InvoicePrintInput in;
    in.title = title;
    in.issueDate = {QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2001")};
    in.deliveryDate = in.issueDate;
    in.seller = {QStringLiteral("Hurtownia Bałtyk Sp. z o.o."),
                 QStringLiteral("ul. Długa 12"),
                 QStringLiteral("80-827"),
                 QStringLiteral("Gdańsk"),
                 QStringLiteral("583-000-11-22"),
                 QStringLiteral("190000001"),
                 QStringLiteral("58 301 22 33"),
                 QStringLiteral("Anna Nowak"),
                 QStringLiteral("Bank Gdański S.A."),
                 QStringLiteral("12 1020 1811 0000 0000 0000 1234")};
    in.buyer = {QStringLiteral("Sklep Żagiel"),  QStringLiteral("ul. Portowa 3"),
                QStringLiteral("81-300"),        QStringLiteral("Gdynia"),
                QStringLiteral("586-111-22-33"), QStringLiteral("Jan Kowalski")};
    in.paymentWay = QStringLiteral("przelew 14 dni");
    return in;
}

PrintLine threePiecesLine(const QString& name)
{
    return {name,
            QStringLiteral("25.11"),
            QStringLiteral("szt."),
            QStringLiteral("3"),
            QStringLiteral("10,00"),
            QStringLiteral("30,00"),
            QStringLiteral("22"),
            QStringLiteral("6,60"),
            QStringLiteral("36,60")};
}

} // namespace kwitola::testing

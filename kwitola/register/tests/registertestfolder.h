#pragma once

#include "kwitola/core/tablerecords.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kwitola::registry::test {

// A posted document and its ledger row, built from a few values.
struct Posted
{
    QString number;   // the stored number, "7/2026 FV"
    QString kindName; // "Faktura VAT", "Rachunek Uproszczony", "" (WZ)
    QString day;
    QString month;
    QString year;
    QString recipient;
    // name, quantity, price, rate per line
    std::vector<QStringList> lines;
    QString ledgerGross; // empty: no ledger row
};

StoredDocument storedDocument(const Posted& posted);
LedgerRow ledgerRow(const Posted& posted);

// Writes the documents (and the ledger rows of those with a gross total)
// into a new set of tables in the folder; false on any failure.
bool writeTables(const QString& folder, const std::vector<Posted>& posted);

} // namespace kwitola::registry::test

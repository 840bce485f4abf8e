#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace kwitola {

// A whole number of złoty spelled in Polish words, for the "słownie" line of
// a document. Numbers from 0 to 999 999 999 are spelled; any other number
// gives an empty text, so that no wrong words can reach a printout.
[[nodiscard]] QString LiczbaSlownie(int n);

// The total to pay split for printing: the total rewritten with two
// decimals, its złoty digits, its grosze as "05/100" and the złoty in words.
struct AmountInWords
{
    QString total;
    QString zlotych;
    QString groszy;
    QString slownie_zlotych;

    bool operator==(const AmountInWords&) const = default;
};

// The largest total the words can be given for is just below a million.
// Accepts a total text that compares below "A", reads as a number, is not
// negative and, rounded to grosze, stays below 1 000 000; nothing otherwise.
[[nodiscard]] std::optional<AmountInWords> amountInWords(QStringView total);

} // namespace kwitola

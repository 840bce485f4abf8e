#pragma once

#include <QByteArray>
#include <QList>

namespace karoskop::bench {

// count reproducible 17-character numbers, mostly Ford of Europe ones with
// model, body and year letters that the tables know, some of other makes
// and a few that are refused; each without a line end.
QList<QByteArray> generatedNumbers(int count);

} // namespace karoskop::bench

#pragma once

#include <QStringList>

class QComboBox;

namespace kwitola::ui {

// Puts texts into a list at once, chooses the first (none for an empty
// list) and sends no change signal on the way.
void setComboEntries(QComboBox& list, const QStringList& texts);

// Chooses the entry equal to the text; none when the list does not hold it.
// No change signal is sent.
void chooseComboEntry(QComboBox& list, const QString& text);

} // namespace kwitola::ui

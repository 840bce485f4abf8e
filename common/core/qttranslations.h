#pragma once

class QCoreApplication;

namespace common {

// Loads Qt's own Polish texts (the standard buttons' "Tak", "Nie", "Anuluj")
// when they are installed; without them those buttons keep Qt's English.
void installPolishQtTexts(QCoreApplication& app);

} // namespace common

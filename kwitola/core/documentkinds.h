#pragma once

#include "kwitola/core/settingsfile.h"

#include <QString>
#include <optional>
#include <span>

namespace kwitola {

// When a printed document is posted.
enum class Posting {
    Never,
    AfterQuestion, // after "Czy zaksięgować dokument ?" is answered Yes
    Always,        // at once, without a question
};

// One kind of document as the kind list offers it.
struct DocumentKind
{
    const char* listText;
    // The printed title; the number and the suffix follow it when numbered.
    const char* title;
    bool titleNumbered;
    // Appended to the number where the document is stored and titled.
    const char* numberSuffix;
    // Stored with a posted document.
    const char* kindName;
    Posting posting;
    bool ledgerRow;
    // The counter advances after posting when automatic numbering is on.
    bool counterAdvances;
};

// The five kinds in the order of the kind list; the first is the default.
[[nodiscard]] std::span<const DocumentKind> documentKinds();
// The kind at a place of the list; the first kind for a place outside it.
[[nodiscard]] const DocumentKind& documentKind(int index);

// "Faktura VAT nr 12/2001 FV", or the bare title of an unnumbered kind.
[[nodiscard]] QString documentTitle(const DocumentKind& kind, const QString& number);
// The number a posting stores ("12/2001 FV", "12/2001"); nothing for a kind
// that is never posted.
[[nodiscard]] std::optional<QString> storedNumber(const DocumentKind& kind, const QString& number);

// The settings with the counter stepped by step and written back as plain
// decimal text; nothing when the counter is not a whole number or the step
// would leave the range of whole numbers.
[[nodiscard]] std::optional<Settings> steppedCounter(const Settings& settings, int step);

} // namespace kwitola

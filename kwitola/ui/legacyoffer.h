#pragma once

class QWidget;

namespace kwitola::ui {

struct Services;

enum class LegacyOfferOutcome { NothingFound, Converted, Declined, Failed };

// When the working folder holds tables of the earlier version in Paradox
// format, says so and offers to convert them; on Yes converts them and
// tells how it went. Failed means the conversion was tried and did not
// happen: the folder is as it was and the start is to stop.
LegacyOfferOutcome offerLegacyConversion(const Services& services, QWidget* parent);

} // namespace kwitola::ui

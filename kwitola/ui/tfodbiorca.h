#pragma once

#include "kwitola/ui/partycard.h"

namespace kwitola::ui {

// The recipient card, where the user enters and corrects customers.
class TfOdbiorca final : public PartyCard
{
    Q_OBJECT

public:
    explicit TfOdbiorca(const Services& services, QWidget* parent = nullptr);

    void openForCorrection(const Recipient& recipient);
};

} // namespace kwitola::ui

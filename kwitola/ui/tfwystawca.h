#pragma once

#include "kwitola/ui/partycard.h"

namespace kwitola::ui {

// The issuer card, where the user enters and corrects own companies.
class TfWystawca final : public PartyCard
{
    Q_OBJECT

public:
    explicit TfWystawca(const Services& services, QWidget* parent = nullptr);

    void openForCorrection(const Issuer& issuer);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace kwitola::ui

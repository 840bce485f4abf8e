#include "kwitola/ui/tfwystawca.h"

#include <QResizeEvent>

namespace kwitola::ui {

namespace {

// Whatever resizes the issuer card, its outer size goes back to this.
constexpr QSize kOuterSize{450, 333};

const CardRules kIssuerRules{kIssuerCardFields,
                             common::MessageIcon::Question,
                             common::MessageButtons::YesNo,
                             false,
                             false,
                             &addIssuer,
                             &correctIssuer};

} // namespace

TfWystawca::TfWystawca(const Services& services, QWidget* parent)
    : PartyCard(kIssuerRules, services, QStringLiteral(" Nowy wystawca"), parent)
{
    setObjectName(QStringLiteral("TfWystawca"));
    setFixedSize(kOuterSize);
}

void TfWystawca::openForCorrection(const Issuer& issuer)
{
    PartyCard::openForCorrection(cardFields(issuer), issuer.id);
}

void TfWystawca::resizeEvent(QResizeEvent* event)
{
    PartyCard::resizeEvent(event);
    if (size() != kOuterSize) {
        resize(kOuterSize);
    }
}

} // namespace kwitola::ui

#include "kwitola/ui/tfodbiorca.h"

namespace kwitola::ui {

namespace {

const CardRules kRecipientRules{kRecipientCardFields,
                                common::MessageIcon::Exclamation,
                                common::MessageButtons::YesNoCancel,
                                true,
                                true,
                                &addRecipient,
                                &correctRecipient};

} // namespace

TfOdbiorca::TfOdbiorca(const Services& services, QWidget* parent)
    : PartyCard(kRecipientRules, services, QStringLiteral(" Nowy odbiorca"), parent)
{
    setObjectName(QStringLiteral("TfOdbiorca"));
}

void TfOdbiorca::openForCorrection(const Recipient& recipient)
{
    PartyCard::openForCorrection(cardFields(recipient), recipient.id);
}

} // namespace kwitola::ui

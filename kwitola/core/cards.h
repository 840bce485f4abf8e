#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tablerecords.h"

#include <QString>
#include <array>
#include <cstddef>

namespace kwitola {

class TableStore;

// The issuer card has thirteen fields; the recipient card the first eleven
// of them, without the bank's name and account.
inline constexpr std::size_t kIssuerCardFields = 13;
inline constexpr std::size_t kRecipientCardFields = 11;

// The texts of a card's fields in their order: name, address, postal code,
// town, district, province, NIP, REGON, telephone, fax, authorised person,
// bank, account number.
using CardFields = std::array<QString, kIssuerCardFields>;

[[nodiscard]] CardFields cardFields(const Issuer& issuer);
[[nodiscard]] CardFields cardFields(const Recipient& recipient);

// The list entry of what the card holds: name, town, address and NIP.
[[nodiscard]] QString cardEntry(const CardFields& fields);

// The short copy firmy.DB keeps of a recipient.
[[nodiscard]] RecipientCopy recipientCopy(const Recipient& recipient);

// Each write is one transaction: it happens whole or the tables stay as
// they were.

// A new issuer from the thirteen fields.
[[nodiscard]] Result<RecordId> addIssuer(TableStore& store, const CardFields& fields);
// A new recipient from the eleven fields, and its short copy in firmy.DB.
[[nodiscard]] Result<RecordId> addRecipient(TableStore& store, const CardFields& fields);

// Sets the thirteen fields of the issuer record.
[[nodiscard]] Result<void> correctIssuer(TableStore& store, RecordId id, const CardFields& fields);
// Sets the eleven fields of the recipient record, and the fields of its copy
// in firmy.DB: the first row, in table order, whose NIP, name, address,
// postal code, town and telephone equal the recipient's before the
// correction. No such row: firmy.DB stays as it is.
[[nodiscard]] Result<void> correctRecipient(TableStore& store, RecordId id,
                                            const CardFields& fields);

} // namespace kwitola

#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/core/tablestore.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kwitola {

// The issuer and recipient of the document being written, as printing and
// posting read them.
struct Parties
{
    // The issuer last found in wystawca.db, every field of it. Its name,
    // address, postal code, town, NIP, REGON, telephone and authorised person
    // are what a printout shows. A choice that finds nothing (an emptied
    // list, a deleted issuer) leaves it as it was.
    std::optional<Issuer> issuer;
    // The chosen record of odbiorca.db as it was read: the values printed and
    // posted, and by its number the record that posting updates.
    std::optional<Recipient> recipient;
};

// The texts shown under the recipient list: name; address, postal code and
// town; NIP; authorised person; telephone; date of the last transaction.
[[nodiscard]] std::array<QString, 6> recipientDetailTexts(const Recipient& recipient);

// Where a recipient search ended.
enum class SearchStatus { NoPattern, EmptyTable, NothingFound, Found };

// The message a search ends with, one per status.
[[nodiscard]] QString searchMessage(SearchStatus status);

struct SearchOutcome
{
    SearchStatus status = SearchStatus::NoPattern;
    // What the recipient list is to show, in its order; empty unless found.
    std::vector<ListEntry> entries;
};

// The choice of the document's parties over the tables. While a search is
// in force the recipient list shows what it found, and a choice is looked up
// among the rows found; reading the whole recipient list ends it.
class PartyChoice final
{
public:
    explicit PartyChoice(TableStore& store);

    [[nodiscard]] const Parties& parties() const { return m_parties; }
    [[nodiscard]] bool searching() const { return m_search.has_value(); }

    // The issuer list in table order.
    [[nodiscard]] Result<std::vector<ListEntry>> issuerEntries() const;
    // The whole recipient list in alphabetical order; ends a search.
    [[nodiscard]] Result<std::vector<ListEntry>> recipientEntries();
    // The whole recipient list after one record was written (0: none): that
    // record is read again and put in its place, the others are the ones
    // last read, which only the cards and deleting change. Ends a search.
    [[nodiscard]] Result<std::vector<ListEntry>> recipientEntriesAfterWrite(RecordId id);

    // Applies a list's choice: the first record whose entry equals the text.
    // Answers whether one was found; when none was, the values stay as they
    // were.
    [[nodiscard]] Result<bool> chooseIssuer(const QString& entry);
    [[nodiscard]] Result<bool> chooseRecipient(const QString& entry);

    // Recipients whose NIP, name or town contains the pattern. A search that
    // fails keeps the results and the mode that were in force.
    [[nodiscard]] Result<SearchOutcome> search(const QString& pattern);

    // The stored record whose entry equals the text, read from the table
    // also during a search: the record a correction changes.
    [[nodiscard]] Result<std::optional<Issuer>> issuerRecord(const QString& entry) const;
    [[nodiscard]] Result<std::optional<Recipient>> recipientRecord(const QString& entry) const;

    // Deletes the first record whose entry equals the text; answers whether
    // there was one.
    [[nodiscard]] Result<bool> removeIssuer(const QString& entry);
    [[nodiscard]] Result<bool> removeRecipient(const QString& entry);

private:
    TableStore& m_store;
    Parties m_parties;
    std::optional<RecipientSearch> m_search;
    // The recipient list last read, in its order; nothing until it is read.
    std::optional<std::vector<ListEntry>> m_recipients;
};

} // namespace kwitola

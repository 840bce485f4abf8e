#include "kwitola/core/parties.h"

#include "kwitola/core/entryorder.h"

#include <utility>

namespace kwitola {

namespace {

const QString kGap = QStringLiteral("  ");
constexpr qsizetype kMaxPatternLength = 1000;

template <typename Record>
Result<std::optional<Record>> recordByEntry(const TableStore& store, const QString& entry)
{
    using Found = Result<std::optional<Record>>;
    const auto id = store.findByEntry(Record::table, entry);
    if (!id) {
        return Found::failure(id.error());
    }
    if (!*id) {
        return std::optional<Record>();
    }
    return store.get<Record>(**id);
}

// Applies a found record to the value held; nothing found leaves it.
template <typename Record>
Result<bool> keepFound(const Result<std::optional<Record>>& found, std::optional<Record>& held)
{
    if (!found) {
        return Result<bool>::failure(found.error());
    }
    if (!*found) {
        return false;
    }
    held = **found;
    return true;
}

Result<bool> removeByEntry(TableStore& store, Table table, const QString& entry)
{
    const auto id = store.findByEntry(table, entry);
    if (!id) {
        return Result<bool>::failure(id.error());
    }
    if (!*id) {
        return false;
    }
    if (const auto removed = store.remove(table, **id); !removed) {
        return removed.forward();
    }
    return true;
}

} // namespace

std::array<QString, 6> recipientDetailTexts(const Recipient& recipient)
{
    return {recipient.Nazwa_firmy,
            recipient.Adres_firmy + kGap + recipient.Kod_pocztowy + kGap + recipient.Miejscowosc,
            recipient.Nip_firmy,
            recipient.Osoba_uprawniona,
            recipient.Telefon_firmy,
            recipient.Ostatnia_transakcja};
}

QString searchMessage(SearchStatus status)
{
    struct Text
    {
        SearchStatus status;
        const char* text;
    };
    static constexpr Text kTexts[] = {
        {SearchStatus::NoPattern, "Nie wprowadzono wzorca."},
        {SearchStatus::EmptyTable, "Baza klientów jest pusta"},
        {SearchStatus::NothingFound, "Nie znaleziono klienta spełniającego kryteria."},
        {SearchStatus::Found, "Proszę wybrać odbiorcę z listy."},
    };
    for (const Text& text : kTexts) {
        if (text.status == status) {
            return QString::fromUtf8(text.text);
        }
    }
    return {};
}

PartyChoice::PartyChoice(TableStore& store) : m_store(store) {}

Result<std::vector<ListEntry>> PartyChoice::issuerEntries() const
{
    return m_store.listEntries(Table::Wystawca);
}

Result<std::vector<ListEntry>> PartyChoice::recipientEntries()
{
    auto entries = m_store.listEntries(Table::Odbiorca);
    if (!entries) {
        return entries;
    }
    // The list shows the table again, so choices are looked up there again.
    m_search.reset();
    std::vector<ListEntry> sorted = std::move(entries).value();
    sortAlphabetically(sorted);
    m_recipients = sorted;
    return sorted;
}

Result<std::vector<ListEntry>> PartyChoice::recipientEntriesAfterWrite(RecordId id)
{
    if (!m_recipients) {
        return recipientEntries();
    }
    std::vector<ListEntry>& entries = *m_recipients;
    if (id != 0) {
        const auto stored = m_store.get<Recipient>(id);
        if (!stored) {
            return Result<std::vector<ListEntry>>::failure(stored.error());
        }
        std::erase_if(entries, [id](const ListEntry& entry) { return entry.id == id; });
        if (*stored) {
            const ListEntry entry{id, partyEntry(**stored)};
            entries.insert(
                entries.begin() + static_cast<std::ptrdiff_t>(sortedPlace(entries, entry)), entry);
        }
    }
    m_search.reset();
    return entries;
}

Result<bool> PartyChoice::chooseIssuer(const QString& entry)
{
    return keepFound(recordByEntry<Issuer>(m_store, entry), m_parties.issuer);
}

Result<bool> PartyChoice::chooseRecipient(const QString& entry)
{
    if (m_search) {
        const Recipient* row = m_search->findEntry(entry);
        if (row) {
            m_parties.recipient = *row;
        }
        return row != nullptr;
    }
    return keepFound(recordByEntry<Recipient>(m_store, entry), m_parties.recipient);
}

Result<SearchOutcome> PartyChoice::search(const QString& pattern)
{
    SearchOutcome outcome;
    if (pattern.isEmpty()) {
        return outcome;
    }
    // The engine refuses very long patterns; the edit allows far fewer.
    if (pattern.size() > kMaxPatternLength) {
        return Result<SearchOutcome>::failure(
            QStringLiteral("Wzorzec wyszukiwania jest za długi (najwyżej %1 znaków).")
                .arg(kMaxPatternLength));
    }
    const auto count = m_store.count(Table::Odbiorca);
    if (!count) {
        return Result<SearchOutcome>::failure(count.error());
    }
    if (*count == 0) {
        outcome.status = SearchStatus::EmptyTable;
        return outcome;
    }
    auto found = m_store.searchRecipients(pattern);
    if (!found) {
        return Result<SearchOutcome>::failure(found.error());
    }
    for (const Recipient& row : found->rows()) {
        outcome.entries.push_back({row.id, partyEntry(row)});
    }
    sortAlphabetically(outcome.entries);
    outcome.status = outcome.entries.empty() ? SearchStatus::NothingFound : SearchStatus::Found;
    m_search = std::move(found).value();
    return outcome;
}

Result<std::optional<Issuer>> PartyChoice::issuerRecord(const QString& entry) const
{
    return recordByEntry<Issuer>(m_store, entry);
}

Result<std::optional<Recipient>> PartyChoice::recipientRecord(const QString& entry) const
{
    return recordByEntry<Recipient>(m_store, entry);
}

Result<bool> PartyChoice::removeIssuer(const QString& entry)
{
    return removeByEntry(m_store, Table::Wystawca, entry);
}

Result<bool> PartyChoice::removeRecipient(const QString& entry)
{
    // The list is read whole again after a delete.
    m_recipients.reset();
    return removeByEntry(m_store, Table::Odbiorca, entry);
}

} // namespace kwitola

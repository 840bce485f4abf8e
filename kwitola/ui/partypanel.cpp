#include "kwitola/ui/partypanel.h"

#include "common/seams/messageservice.h"
#include "kwitola/core/entryorder.h"
#include "kwitola/ui/entrylistmodel.h"
#include "kwitola/ui/services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kwitola::ui {

namespace {

constexpr const char* kNothingToCorrect = "Nie ma nic do korekty.";
constexpr const char* kNothingToDelete = "Nie ma nic do usunięcia.";

// The row a refilled list shows: the first, or the first equal to the entry
// walked to; none when no entry equals it.
int rowToShow(const std::vector<ListEntry>& entries, const std::optional<QString>& walkTo)
{
    if (!walkTo) {
        return entries.empty() ? -1 : 0;
    }
    const auto found = firstIndexOf(entries, *walkTo);
    return found ? static_cast<int>(*found) : -1;
}

} // namespace

PartyPanel::PartyPanel(const PartyControls& controls, TableStore& store,
                       common::MessageService& messages, QWidget& window)
    : QObject(&window), m_controls(controls), m_choice(store), m_messages(messages),
      m_window(window)
{
    connect(m_controls.lista_wystawcow, &QComboBox::currentIndexChanged, this,
            &PartyPanel::lista_wystawcowChange);
    connect(m_controls.lista_odbiorcow, &QComboBox::currentIndexChanged, this,
            &PartyPanel::lista_odbiorcowChange);
    connect(m_controls.b_dodaj1, &QPushButton::clicked, this, &PartyPanel::newIssuerWanted);
    connect(m_controls.b_korekta1, &QPushButton::clicked, this, &PartyPanel::b_korekta1Click);
    connect(m_controls.b_usun1, &QPushButton::clicked, this, &PartyPanel::b_usun1Click);
    connect(m_controls.b_dodaj2, &QPushButton::clicked, this, &PartyPanel::newRecipientWanted);
    connect(m_controls.b_korekta2, &QPushButton::clicked, this, &PartyPanel::b_korekta2Click);
    connect(m_controls.b_usun2, &QPushButton::clicked, this, &PartyPanel::b_usun2Click);
    connect(m_controls.b_szukaj, &QPushButton::clicked, this, &PartyPanel::b_szukajClick);
    connect(m_controls.b_wszystkie, &QPushButton::clicked, this, &PartyPanel::b_wszystkieClick);
}

void PartyPanel::fillIssuerList()
{
    fillIssuers(std::nullopt);
}

void PartyPanel::fillRecipientList()
{
    showRecipients(m_choice.recipientEntries(), std::nullopt);
}

void PartyPanel::refreshIssuers(const QString& entry, RecordId /*record*/)
{
    // A short list in table order: read whole.
    fillIssuers(entry);
}

void PartyPanel::refreshRecipients(const QString& entry, RecordId record)
{
    showRecipients(m_choice.recipientEntriesAfterWrite(record), entry);
}

bool PartyPanel::fillIssuers(const std::optional<QString>& walkTo)
{
    auto entries = m_choice.issuerEntries();
    if (!entries) {
        showError(entries.error());
        return false;
    }
    const int row = rowToShow(*entries, walkTo);
    showEntries(*m_controls.lista_wystawcow, std::move(entries).value(), row);
    lista_wystawcowChange();
    return true;
}

bool PartyPanel::showRecipients(const Result<std::vector<ListEntry>>& entries,
                                const std::optional<QString>& walkTo)
{
    if (!entries) {
        showError(entries.error());
        return false;
    }
    showEntries(*m_controls.lista_odbiorcow, *entries, rowToShow(*entries, walkTo));
    lista_odbiorcowChange();
    return true;
}

void PartyPanel::lista_wystawcowChange()
{
    const auto found = m_choice.chooseIssuer(m_controls.lista_wystawcow->currentText());
    if (!found) {
        showError(found.error());
    }
}

void PartyPanel::lista_odbiorcowChange()
{
    const auto found = m_choice.chooseRecipient(m_controls.lista_odbiorcow->currentText());
    if (!found) {
        showError(found.error());
    } else if (*found) {
        showRecipient(*parties().recipient);
    }
}

void PartyPanel::showRecipient(const Recipient& recipient)
{
    const auto texts = recipientDetailTexts(recipient);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        m_controls.details[i]->setText(texts[i]);
    }
    Q_EMIT detailsChanged();
}

void PartyPanel::clearDetails()
{
    // The date of the last transaction stays.
    for (std::size_t i = 0; i + 1 < m_controls.details.size(); ++i) {
        m_controls.details[i]->clear();
    }
    Q_EMIT detailsChanged();
}

void PartyPanel::b_szukajClick()
{
    auto outcome = m_choice.search(m_controls.find_nip->text());
    if (outcome && outcome->status == SearchStatus::NoPattern) {
        warn(searchMessage(SearchStatus::NoPattern));
        return;
    }
    clearDetails();
    if (!outcome) {
        // The list keeps what it showed.
        showError(outcome.error());
        return;
    }
    const SearchStatus status = outcome->status;
    switch (status) {
    case SearchStatus::NoPattern:
    case SearchStatus::EmptyTable:
        warn(searchMessage(status));
        return;
    case SearchStatus::NothingFound:
        showEntries(*m_controls.lista_odbiorcow, {}, -1);
        warn(searchMessage(status));
        return;
    case SearchStatus::Found:
        showEntries(*m_controls.lista_odbiorcow, std::move(outcome).value().entries, 0);
        warn(searchMessage(status));
        lista_odbiorcowChange();
        m_controls.lista_odbiorcow->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void PartyPanel::b_wszystkieClick()
{
    fillRecipientList();
}

void PartyPanel::b_korekta1Click()
{
    if (const auto entry = chosenEntry(*m_controls.lista_wystawcow, kNothingToCorrect)) {
        offerCorrection(m_choice.issuerRecord(*entry), &PartyPanel::issuerCorrectionWanted);
    }
}

void PartyPanel::b_korekta2Click()
{
    if (const auto entry = chosenEntry(*m_controls.lista_odbiorcow, kNothingToCorrect)) {
        offerCorrection(m_choice.recipientRecord(*entry), &PartyPanel::recipientCorrectionWanted);
    }
}

void PartyPanel::b_usun1Click()
{
    const auto entry = chosenEntry(*m_controls.lista_wystawcow, kNothingToDelete);
    if (entry && askToDelete(QStringLiteral("Czy usunąć z listy wystawców : ") + *entry +
                             QStringLiteral(" ?"))) {
        afterRemoval(m_choice.removeIssuer(*entry), [this] { fillIssuers(std::nullopt); });
    }
}

void PartyPanel::b_usun2Click()
{
    const auto entry = chosenEntry(*m_controls.lista_odbiorcow, kNothingToDelete);
    if (entry && askToDelete(QStringLiteral("Czy usunąć z listy odbiorców : ") + *entry +
                             QStringLiteral(" ?"))) {
        afterRemoval(m_choice.removeRecipient(*entry), [this] { fillRecipientList(); });
    }
}

std::optional<QString> PartyPanel::chosenEntry(const QComboBox& list, const char* nothingChosen)
{
    QString entry = list.currentText();
    if (entry.isEmpty()) {
        warn(QString::fromUtf8(nothingChosen));
        return std::nullopt;
    }
    return entry;
}

template <typename Record>
void PartyPanel::offerCorrection(const Result<std::optional<Record>>& found,
                                 void (PartyPanel::*wanted)(const Record&))
{
    if (!found) {
        showError(found.error());
    } else if (*found) {
        Q_EMIT(this->*wanted)(**found);
    }
}

void PartyPanel::afterRemoval(const Result<bool>& removed, const std::function<void()>& refill)
{
    if (!removed) {
        showError(removed.error());
    } else if (*removed) {
        warn(QStringLiteral("Usunięte"));
        refill();
    }
}

void PartyPanel::warn(const QString& text)
{
    showMessage(m_messages, &m_window, text, common::MessageIcon::Exclamation);
}

bool PartyPanel::askToDelete(const QString& question)
{
    return askYesNo(m_messages, &m_window, question, common::MessageIcon::Question);
}

void PartyPanel::showError(const QString& text)
{
    showMessage(m_messages, &m_window, text, common::MessageIcon::Error);
}

} // namespace kwitola::ui

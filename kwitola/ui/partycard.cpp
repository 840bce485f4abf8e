#include "kwitola/ui/partycard.h"

#include "kwitola/ui/controlfactory.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/services.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace kwitola::ui {

namespace {

constexpr QSize kClientSize{442, 306};
constexpr int kMargin = 8;
constexpr int kLabelLeft = 4;
constexpr int kFieldLeft = 113;
constexpr int kFieldWidth = 321;
constexpr int kRowStep = 20;
constexpr int kButtonTop = 274;
constexpr int kButtonHeight = 24;
constexpr int kCancelWidth = 104;

const std::array<const char*, kIssuerCardFields> kLabels = {
    "Firma", "Adres",   "Kod pocztowy", "Miejscowość",      "Powiat", "Województwo",   "NIP",
    "Regon", "Telefon", "Fax",          "Osoba uprawniona", "Bank",   "Numer rachunku"};

// A long caption ("Osoba uprawniona") is drawn smaller rather than cut.
void fitText(QLabel& label)
{
    const int needed = label.fontMetrics().horizontalAdvance(label.text());
    if (needed <= label.width()) {
        return;
    }
    QFont font = label.font();
    const qreal scale = static_cast<qreal>(label.width()) / needed;
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
    }
    label.setFont(font);
}

} // namespace

QString PartyCard::newRecordCaption()
{
    return QStringLiteral("Dopisz do Bazy");
}

PartyCard::PartyCard(const CardRules& rules, const Services& services, const QString& caption,
                     QWidget* parent)
    : FixedDialog(caption, kClientSize, parent), m_rules(rules), m_store(services.store),
      m_messages(services.messages)
{
    buildControls();
}

void PartyCard::buildControls()
{
    auto* colours = new FocusColours(this);
    for (std::size_t i = 0; i < m_rules.fieldCount; ++i) {
        const int top = kMargin + static_cast<int>(i) * kRowStep;
        const QByteArray number = QByteArray::number(static_cast<int>(i) + 1);
        m_labels[i] =
            makeControl<QLabel>(client(), QByteArray("Label" + number).constData(),
                                {kLabelLeft, top, kFieldLeft - kLabelLeft - 3, kRowStep - 1},
                                QString::fromUtf8(kLabels[i]));
        m_edits[i] = makeControl<QLineEdit>(client(), QByteArray("Edit" + number).constData(),
                                            {kFieldLeft, top, kFieldWidth, kRowStep});
        m_edits[i]->installEventFilter(this);
        if (i > 0 || m_rules.nameTurnsNavy) {
            colours->watch(*m_edits[i]);
        }
    }
    b_anuluj = makeControl<QPushButton>(client(), "b_anuluj",
                                        {kMargin, kButtonTop, kCancelWidth, kButtonHeight},
                                        QStringLiteral("Anuluj"));
    b_zapisz = makeControl<QPushButton>(client(), "b_zapisz",
                                        {kFieldLeft, kButtonTop, kFieldWidth, kButtonHeight},
                                        newRecordCaption());
    // Enter in a field saves through the field's own handler, never through
    // a default button.
    for (QPushButton* button : {b_anuluj, b_zapisz}) {
        button->setAutoDefault(false);
    }
    QWidget* previous = m_edits[0];
    for (std::size_t i = 1; i < m_rules.fieldCount; ++i) {
        QWidget::setTabOrder(previous, m_edits[i]);
        previous = m_edits[i];
    }
    QWidget::setTabOrder(previous, b_anuluj);
    QWidget::setTabOrder(b_anuluj, b_zapisz);

    connect(b_anuluj, &QPushButton::clicked, this, &PartyCard::b_anulujClick);
    connect(b_zapisz, &QPushButton::clicked, this, &PartyCard::b_zapiszClick);
}

CardFields PartyCard::fields() const
{
    CardFields typed;
    for (std::size_t i = 0; i < m_rules.fieldCount; ++i) {
        typed[i] = m_edits[i]->text();
    }
    return typed;
}

void PartyCard::openForNew()
{
    b_zapisz->setText(newRecordCaption());
    m_target = 0;
    for (std::size_t i = 0; i < m_rules.fieldCount; ++i) {
        m_edits[i]->clear();
    }
    exec();
}

void PartyCard::openForCorrection(const CardFields& fields, RecordId id)
{
    b_zapisz->setText(QStringLiteral("Korekta"));
    m_target = id;
    for (std::size_t i = 0; i < m_rules.fieldCount; ++i) {
        m_edits[i]->setText(fields[i]);
    }
    exec();
}

void PartyCard::b_zapiszClick()
{
    const CardFields typed = fields();
    if (typed[0].isEmpty()) {
        ask(QStringLiteral("Brak firmy do zapisania."), common::MessageIcon::Exclamation,
            common::MessageButtons::Ok);
        return;
    }
    if (b_zapisz->text() == newRecordCaption()) {
        const auto answer =
            ask(QStringLiteral("Czy zapisać zmiany ?"), common::MessageIcon::Exclamation,
                common::MessageButtons::YesNoCancel);
        if (answer == common::MessageAnswer::Cancel) {
            return;
        }
        RecordId written = 0;
        if (answer == common::MessageAnswer::Yes) {
            const auto added = m_rules.add(m_store, typed);
            if (!added) {
                // Nothing was written; the card keeps what was typed.
                showError(added.error());
                return;
            }
            written = *added;
        }
        finish(typed, written);
        return;
    }
    const auto answer = ask(QStringLiteral("Czy dokonać korekty ?"), m_rules.correctionIcon,
                            m_rules.correctionButtons);
    if (answer == common::MessageAnswer::Yes) {
        if (const auto corrected = m_rules.correct(m_store, m_target, typed); !corrected) {
            showError(corrected.error());
            return;
        }
        finish(typed, m_target);
    } else if (answer == common::MessageAnswer::No && m_rules.correctionNoCloses) {
        accept();
    }
}

void PartyCard::b_anulujClick()
{
    reject();
}

void PartyCard::finish(const CardFields& typed, RecordId record)
{
    Q_EMIT saved(cardEntry(typed), record);
    accept();
}

common::MessageAnswer PartyCard::ask(const QString& text, common::MessageIcon icon,
                                     common::MessageButtons buttons)
{
    return showMessage(m_messages, this, text, icon, buttons);
}

void PartyCard::showError(const QString& text)
{
    showMessage(m_messages, this, text, common::MessageIcon::Error);
}

void PartyCard::showEvent(QShowEvent* event)
{
    // Fonts are final only now.
    for (std::size_t i = 0; i < m_rules.fieldCount; ++i) {
        fitText(*m_labels[i]);
    }
    FixedDialog::showEvent(event);
    m_edits[0]->setFocus(Qt::OtherFocusReason);
}

bool PartyCard::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnterPress(event) && qobject_cast<QLineEdit*>(watched)) {
        b_zapiszClick();
        return true;
    }
    return FixedDialog::eventFilter(watched, event);
}

} // namespace kwitola::ui

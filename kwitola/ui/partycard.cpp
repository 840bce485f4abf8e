#include "kwitola/ui/partycard.h"

#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/services.h"
#include "kwitola/ui/windowcaption.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

QString PartyCard::newRecordCaption()
{
    return QStringLiteral("Dopisz do Bazy");
}

PartyCard::PartyCard(const CardRules& rules, const Services& services, const QString& caption,
                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      m_rules(rules), m_store(services.store), m_messages(services.messages)
{
    installCaption(*this, caption);
    // The controls live in a client area of their own, so that a caption bar
    // drawn by the window itself only has to move that area.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setFixedSize(kClientSize.grownBy(contentsMargins()));
    m_client->setGeometry(contentsRect());
    setModal(true);
    buildControls();
}

void PartyCard::buildControls()
{
    auto* colours = new FocusColours(this);
    for (std::size_t i = 0; i < m_rules.fieldCount; ++i) {
        const int top = kMargin + static_cast<int>(i) * kRowStep;
        const QByteArray number = QByteArray::number(static_cast<int>(i) + 1);
        m_labels[i] = new QLabel(QString::fromUtf8(kLabels[i]), m_client);
        m_labels[i]->setObjectName(QLatin1String("Label" + number));
        m_labels[i]->setGeometry(kLabelLeft, top, kFieldLeft - kLabelLeft - 3, kRowStep - 1);
        m_edits[i] = new QLineEdit(m_client);
        m_edits[i]->setObjectName(QLatin1String("Edit" + number));
        m_edits[i]->setGeometry(kFieldLeft, top, kFieldWidth, kRowStep);
        m_edits[i]->installEventFilter(this);
        if (i > 0 || m_rules.nameTurnsNavy) {
            colours->watch(*m_edits[i]);
        }
    }
    b_anuluj = new QPushButton(QStringLiteral("Anuluj"), m_client);
    b_anuluj->setObjectName(QStringLiteral("b_anuluj"));
    b_anuluj->setGeometry(kMargin, kButtonTop, kCancelWidth, kButtonHeight);
    b_zapisz = new QPushButton(newRecordCaption(), m_client);
    b_zapisz->setObjectName(QStringLiteral("b_zapisz"));
    b_zapisz->setGeometry(kFieldLeft, kButtonTop, kFieldWidth, kButtonHeight);
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
    common::Message message;
    message.text = text;
    message.title = messageTitle();
    message.icon = icon;
    message.buttons = buttons;
    message.defaultAnswer = buttons == common::MessageButtons::Ok ? common::MessageAnswer::Ok
                                                                  : common::MessageAnswer::Yes;
    return m_messages.show(message, this);
}

void PartyCard::showError(const QString& text)
{
    common::Message message;
    message.text = text;
    message.title = messageTitle();
    message.icon = common::MessageIcon::Error;
    m_messages.show(message, this);
}

void PartyCard::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // Fonts are final only now.
    for (std::size_t i = 0; i < m_rules.fieldCount; ++i) {
        fitText(*m_labels[i]);
    }
    QDialog::showEvent(event);
    m_edits[0]->setFocus(Qt::OtherFocusReason);
}

void PartyCard::resizeEvent(QResizeEvent* event)
{
    m_client->setGeometry(contentsRect());
    QDialog::resizeEvent(event);
}

bool PartyCard::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnter(event) && qobject_cast<QLineEdit*>(watched)) {
        b_zapiszClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kwitola::ui

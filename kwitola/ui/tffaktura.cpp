#include "kwitola/ui/tffaktura.h"

#include "common/core/clock.h"
#include "common/seams/messageservice.h"
#include "kwitola/core/settingsfile.h"
#include "kwitola/core/singleinstance.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/ui/dateedits.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/legacyoffer.h"
#include "kwitola/ui/listentries.h"
#include "kwitola/ui/tfopcje.h"
#include "kwitola/ui/windowcaption.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTimer>

namespace kwitola::ui {

namespace {

// Puts texts into a list without handing the list a hundred thousand items
// one by one.
void setEntries(QComboBox& list, const QStringList& texts)
{
    const QSignalBlocker quiet(list);
    if (auto* model = qobject_cast<QStringListModel*>(list.model())) {
        model->setStringList(texts);
    } else {
        list.setModel(new QStringListModel(texts, &list));
    }
    list.setCurrentIndex(texts.isEmpty() ? -1 : 0);
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

TfFaktura::TfFaktura(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services)
{
    setObjectName(QStringLiteral("TfFaktura"));
    installCaption(*this, QStringLiteral("Kwitola® 2.0"), CaptionStyle::MainWindow);
    buildControls();
    buildColours();
    applyTabOrder();
    connectHandlers();
    resize(1024, 768);
}

TfFaktura::~TfFaktura() = default;

void TfFaktura::attachWindows(TfOdbiorca& recipientCard, TfOpcje& options, TfWystawca& issuerCard,
                              TfDruk& printForm, TfMagazyn& stockCard)
{
    m_recipientCard = &recipientCard;
    m_options = &options;
    m_issuerCard = &issuerCard;
    m_printForm = &printForm;
    m_stockCard = &stockCard;
    connect(m_options, &TfOpcje::documentNumberSaved, this, &TfFaktura::showDocumentNumber);
}

void TfFaktura::connectHandlers()
{
    connect(lista_wystawcow, &QComboBox::currentIndexChanged, this,
            &TfFaktura::lista_wystawcowChange);
    connect(lista_odbiorcow, &QComboBox::currentIndexChanged, this,
            &TfFaktura::lista_odbiorcowChange);
    connect(lista_towarow, &QComboBox::currentIndexChanged, this, &TfFaktura::lista_towarowChange);
    connect(m_bottomRow[3], &QPushButton::clicked, this, &TfFaktura::b_opcjeClick);
    connect(m_bottomRow[4], &QPushButton::clicked, this, &QWidget::close);
    for (QWidget* widget :
         {static_cast<QWidget*>(lista_odbiorcow), static_cast<QWidget*>(lista_towarow),
          static_cast<QWidget*>(Edit1), static_cast<QWidget*>(find_nip)}) {
        widget->installEventFilter(this);
    }
}

void TfFaktura::showMaximizedOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    showMaximized();
}

void TfFaktura::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_startUpRun) {
        m_startUpRun = true;
        startUp();
    }
}

void TfFaktura::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void TfFaktura::startUp()
{
    if (refuseSecondCopy()) {
        return;
    }
    m_services.store.setPassword(kTablePassword);
    applyLayout();
    LoadConfig();
    resetDocument();
    if (!openTables()) {
        return;
    }
    fillIssuerList();
    fillRecipientList();
    WczytajListeTowarow();
    lista_odbiorcow->setFocus();
    m_dateEdits->setToday(m_services.clock.today());
    Druk->setCurrentIndex(0);
    m_started = true;
}

bool TfFaktura::refuseSecondCopy()
{
    m_instance = std::make_unique<SingleInstance>(m_services.instanceLockPath);
    // A guard that cannot be made at all (no writable runtime folder) must
    // not keep the only copy from running.
    if (m_instance->tryAcquire() != SingleInstance::Outcome::HeldElsewhere) {
        return false;
    }
    common::Message message;
    message.text = QStringLiteral("Program jest już uruchomiony");
    message.title = QStringLiteral("Informacja");
    message.icon = common::MessageIcon::Information;
    m_services.messages.show(message, this);
    m_ending = true;
    Q_EMIT programEnded();
    QTimer::singleShot(0, this, &QWidget::close);
    return true;
}

void TfFaktura::LoadConfig()
{
    if (!m_options) {
        return;
    }
    const Result<Settings> settings = readSettingsFile(m_options->settingsPath());
    if (!settings) {
        showError(QStringLiteral("Nie udało się odczytać ustawień z pliku faktura.kfx.\n%1")
                      .arg(settings.error()));
        return;
    }
    m_options->setSettings(settings.value());
}

void TfFaktura::resetDocument()
{
    for (QLabel* value : m_detailValues) {
        value->clear();
    }
    placeDetailValues();
    ComboBox2->setEditText(QStringLiteral("gotówka"));
    for (QLineEdit* edit : {find_nip, Edit1, Edit2, Edit3, Edit4, Edit7}) {
        edit->clear();
    }
    for (QLineEdit* date : m_dates) {
        date->clear();
    }
    for (QListWidget* column : m_columns) {
        column->clear();
    }
    Edit5->setText(QStringLiteral("0,00"));
    Edit6->setText(m_options ? m_options->documentNumber() : Settings{}.documentNumber());
    setEntries(*lista_wystawcow, {});
    Druk->setCurrentIndex(0);
    m_issuer.reset();
    m_recipient.reset();
    m_goods.reset();
}

bool TfFaktura::openTables()
{
    // Tables of the earlier version are converted only when the user agrees;
    // declined, they are refused below as any foreign file is.
    if (offerLegacyConversion(m_services, this) == LegacyOfferOutcome::Failed) {
        return false;
    }
    if (const StoreError error = m_services.store.open(m_services.folder)) {
        showError(*error);
        return false;
    }
    return true;
}

void TfFaktura::fillIssuerList()
{
    const auto entries = m_services.store.listEntries(Table::Wystawca);
    if (!entries) {
        showError(entries.error());
        return;
    }
    setEntries(*lista_wystawcow, entryTexts(entries.value()));
    lista_wystawcowChange();
}

void TfFaktura::fillRecipientList()
{
    const auto entries = m_services.store.listEntries(Table::Odbiorca);
    if (!entries) {
        showError(entries.error());
        return;
    }
    setEntries(*lista_odbiorcow, sortedEntryTexts(entries.value()));
    lista_odbiorcowChange();
}

void TfFaktura::WczytajListeTowarow()
{
    const auto entries = m_services.store.listEntries(Table::Magazyn);
    if (!entries) {
        showError(entries.error());
        return;
    }
    setEntries(*lista_towarow, sortedEntryTexts(entries.value()));
    lista_towarowChange();
}

void TfFaktura::lista_wystawcowChange()
{
    const auto id = m_services.store.findByEntry(Table::Wystawca, lista_wystawcow->currentText());
    if (!id) {
        return; // the issuer details keep what they held
    }
    if (auto issuer = m_services.store.get<Issuer>(*id)) {
        m_issuer = std::move(issuer);
    }
}

void TfFaktura::lista_odbiorcowChange()
{
    const auto id = m_services.store.findByEntry(Table::Odbiorca, lista_odbiorcow->currentText());
    if (!id) {
        return;
    }
    if (auto recipient = m_services.store.get<Recipient>(*id)) {
        showRecipient(*recipient);
        m_recipient = std::move(recipient);
    }
}

void TfFaktura::showRecipient(const Recipient& recipient)
{
    const QString gap = QStringLiteral("  ");
    const std::array<QString, 6> texts = {recipient.Nazwa_firmy,
                                          recipient.Adres_firmy + gap + recipient.Kod_pocztowy +
                                              gap + recipient.Miejscowosc,
                                          recipient.Nip_firmy,
                                          recipient.Osoba_uprawniona,
                                          recipient.Telefon_firmy,
                                          recipient.Ostatnia_transakcja};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        m_detailValues[i]->setText(texts[i]);
    }
    placeDetailValues();
}

void TfFaktura::lista_towarowChange()
{
    const auto id = m_services.store.findByEntry(Table::Magazyn, lista_towarow->currentText());
    if (!id) {
        return;
    }
    auto goods = m_services.store.get<Goods>(*id);
    if (!goods) {
        return;
    }
    Edit2->setText(goods->Cena_jednostkowa_netto);
    Edit7->setText(goods->Jednostka_miary);
    Edit1->setText(QStringLiteral("1"));
    m_goods = std::move(goods);
}

void TfFaktura::showError(const QString& text)
{
    common::Message message;
    message.text = text;
    message.title = messageTitle();
    message.icon = common::MessageIcon::Error;
    m_services.messages.show(message, this);
}

void TfFaktura::b_opcjeClick()
{
    if (m_options) {
        m_options->exec();
    }
}

void TfFaktura::showDocumentNumber(const QString& number)
{
    Edit6->setText(number);
}

void TfFaktura::closeEvent(QCloseEvent* event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    common::Message question;
    question.text = QStringLiteral("Czy zakończyć fakturowanie ?");
    question.title = messageTitle();
    question.icon = common::MessageIcon::Question;
    question.buttons = common::MessageButtons::YesNo;
    question.defaultAnswer = common::MessageAnswer::Yes;
    if (m_services.messages.show(question, this) != common::MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    if (m_instance) {
        m_instance->release();
    }
    m_ending = true;
    event->accept();
    Q_EMIT programEnded();
}

bool TfFaktura::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnter(event)) {
        return QWidget::eventFilter(watched, event);
    }
    if (watched == lista_odbiorcow) {
        lista_towarow->setFocus(Qt::OtherFocusReason);
    } else if (watched == lista_towarow) {
        Edit1->setFocus(Qt::OtherFocusReason);
    } else if (watched == Edit1) {
        b_dodaj_do_faktury->click();
        lista_towarow->setFocus(Qt::OtherFocusReason);
    } else if (watched == find_nip) {
        b_szukaj->click();
    } else {
        return QWidget::eventFilter(watched, event);
    }
    return true;
}

} // namespace kwitola::ui

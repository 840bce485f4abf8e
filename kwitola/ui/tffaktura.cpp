#include "kwitola/ui/tffaktura.h"

#include "common/core/clock.h"
#include "common/seams/messageservice.h"
#include "kwitola/core/singleinstance.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/ui/dateedits.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/entrylistmodel.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/listentries.h"
#include "kwitola/ui/partypanel.h"
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
}

void TfFaktura::connectHandlers()
{
    m_parties =
        new PartyPanel({lista_wystawcow, b_dodaj1, b_korekta1, b_usun1, lista_odbiorcow, b_dodaj2,
                        b_korekta2, b_usun2, find_nip, b_szukaj, b_wszystkie, m_detailValues},
                       m_services.store, m_services.messages, *this);
    connect(m_parties, &PartyPanel::detailsChanged, this, &TfFaktura::placeDetailValues);
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
    m_parties->fillIssuerList();
    m_parties->fillRecipientList();
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
    Q_EMIT settingsLoadRequested();
}

void TfFaktura::showSettings(const kwitola::Settings& value)
{
    m_settings = value;
    Edit6->setText(m_settings.documentNumber());
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
    Edit6->setText(m_settings.documentNumber());
    showEntries(*lista_wystawcow, {}, -1);
    Druk->setCurrentIndex(0);
    m_goods.reset();
}

bool TfFaktura::openTables()
{
    if (const StoreError error = m_services.store.open(m_services.folder)) {
        showError(*error);
        return false;
    }
    return true;
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

// The record whose entry the list shows; none when the entry is not in the
// table any more. A failed read is shown and also gives none.
template <typename Record>
std::optional<Record> TfFaktura::chosenRecord(Table table, const QString& entry)
{
    const auto id = m_services.store.findByEntry(table, entry);
    if (!id) {
        showError(id.error());
        return std::nullopt;
    }
    if (!*id) {
        return std::nullopt;
    }
    auto record = m_services.store.get<Record>(**id);
    if (!record) {
        showError(record.error());
        return std::nullopt;
    }
    return *record;
}

const Parties& TfFaktura::parties() const
{
    return m_parties->parties();
}

const std::optional<Issuer>& TfFaktura::issuer() const
{
    return parties().issuer;
}

const std::optional<Recipient>& TfFaktura::recipient() const
{
    return parties().recipient;
}

void TfFaktura::lista_wystawcowChange()
{
    m_parties->lista_wystawcowChange();
}

void TfFaktura::lista_odbiorcowChange()
{
    m_parties->lista_odbiorcowChange();
}

void TfFaktura::lista_towarowChange()
{
    auto goods = chosenRecord<Goods>(Table::Magazyn, lista_towarow->currentText());
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

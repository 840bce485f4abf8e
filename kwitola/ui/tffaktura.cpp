#include "kwitola/ui/tffaktura.h"

#include "common/core/clock.h"
#include "common/seams/messageservice.h"
#include "kwitola/core/singleinstance.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archivefiles.h"
#include "kwitola/register/core/postingarchive.h"
#include "kwitola/ui/controlfactory.h"
#include "kwitola/ui/dateedits.h"
#include "kwitola/ui/documentpanel.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/entrylistmodel.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/goodsbuttons.h"
#include "kwitola/ui/legacyoffer.h"
#include "kwitola/ui/listentries.h"
#include "kwitola/ui/numberingpanel.h"
#include "kwitola/ui/partypanel.h"
#include "kwitola/ui/tfopcje.h"
#include "kwitola/ui/windowcaption.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace kwitola::ui {

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

void TfFaktura::connectHandlers()
{
    m_parties = new PartyPanel(m_partyControls, m_services.store, m_services.messages, *this);
    connect(m_parties, &PartyPanel::detailsChanged, this, &TfFaktura::placeDetailValues);
    connect(m_lineControls.goodsList, &QComboBox::currentIndexChanged, this,
            &TfFaktura::lista_towarowChange);
    m_documentPanel =
        new DocumentPanel(m_lineControls, m_services.store, m_services.messages, *this);
    m_numbering = new NumberingPanel(m_numberControls, m_services.messages, *this);
    connect(m_numbering, &NumberingPanel::settingsChangeRequested, this,
            &TfFaktura::settingsChangeRequested);
    m_goodsButtons = new GoodsButtons(m_goodsControls, m_services.store, m_services.messages,
                                      *m_documentPanel, *this);
    connectHeader();
    connect(m_bottomRow[3], &QPushButton::clicked, this, &TfFaktura::optionsWanted);
    connect(m_bottomRow[4], &QPushButton::clicked, this, &QWidget::close);
    for (QWidget* widget : {static_cast<QWidget*>(m_partyControls.lista_odbiorcow),
                            static_cast<QWidget*>(m_lineControls.goodsList),
                            static_cast<QWidget*>(m_lineControls.quantity),
                            static_cast<QWidget*>(m_partyControls.find_nip)}) {
        widget->installEventFilter(this);
    }
}

void TfFaktura::connectHeader()
{
    // The header follows what the way of payment and the number show, whether
    // the user typed it or the window wrote it; the dates are the date edits'.
    m_header.paymentWay = ComboBox2->currentText();
    m_header.number = m_numberControls.number->text();
    connect(ComboBox2, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_header.paymentWay = text; });
    connect(m_numberControls.number, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_header.number = text; });
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
        Q_EMIT startUpWanted();
    }
}

void TfFaktura::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void TfFaktura::startUp()
{
    m_services.store.setPassword(kTablePassword);
    applyLayout();
    resetDocument();
    if (!openTables()) {
        return;
    }
    m_parties->fillIssuerList();
    m_parties->fillRecipientList();
    WczytajListeTowarow();
    m_partyControls.lista_odbiorcow->setFocus();
    m_dateEdits->setToday(m_services.clock.today());
    m_numberControls.kind->setCurrentIndex(0);
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
    common::Message message = programMessage(QStringLiteral("Program jest już uruchomiony"),
                                             common::MessageIcon::Information);
    message.title = QStringLiteral("Informacja");
    m_services.messages.show(message, this);
    m_ending = true;
    Q_EMIT programEnded();
    QTimer::singleShot(0, this, &QWidget::close);
    return true;
}

std::array<QPushButton*, 3> TfFaktura::printButtons() const
{
    return {m_bottomRow[0], m_bottomRow[1], m_bottomRow[2]};
}

void TfFaktura::LoadConfig()
{
    Q_EMIT settingsLoadRequested();
}

void TfFaktura::showSettings(const kwitola::Settings& value)
{
    m_settings = value;
    m_numbering->setSettings(m_settings);
}

void TfFaktura::resetDocument()
{
    for (QLabel* value : m_partyControls.details) {
        value->clear();
    }
    placeDetailValues();
    ComboBox2->setEditText(QStringLiteral("gotówka"));
    for (QLineEdit* edit :
         {m_partyControls.find_nip, m_lineControls.quantity, m_lineControls.unitPrice,
          m_lineControls.net, m_lineControls.vat, m_lineControls.unit}) {
        edit->clear();
    }
    m_dateEdits->clear();
    for (QListWidget* column : m_lineControls.columns) {
        column->clear();
    }
    m_lineControls.total->setText(QStringLiteral("0,00"));
    m_numberControls.number->setText(m_settings.documentNumber());
    showEntries(*m_partyControls.lista_wystawcow, {}, -1);
    m_numberControls.kind->setCurrentIndex(0);
}

bool TfFaktura::openTables()
{
    // Tables of the earlier version are converted only when the user agrees;
    // declined, they are refused below as any foreign file is.
    if (offerLegacyConversion(m_services, this) == LegacyOfferOutcome::Failed) {
        return false;
    }
    if (const auto opened = m_services.store.open(m_services.folder); !opened) {
        showError(opened.error());
        return false;
    }
    // A posting killed last time is finished or undone before anything else
    // is posted; what cannot be settled is reported and left as it is.
    if (const auto recovered =
            registry::recoverArchive(m_services.store, registry::diskArchiveFiles());
        !recovered) {
        showError(recovered.error());
    }
    return true;
}

void TfFaktura::WczytajListeTowarow()
{
    m_documentPanel->WczytajListeTowarow();
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
    m_documentPanel->lista_towarowChange();
}

const std::optional<Goods>& TfFaktura::goods() const
{
    return m_documentPanel->goods();
}

const SalesDocument& TfFaktura::document() const
{
    return m_documentPanel->document();
}

void TfFaktura::chooseGoods(const QString& entry)
{
    m_documentPanel->chooseGoods(entry);
}

void TfFaktura::DodajNumer()
{
    m_numbering->DodajNumer();
}

const DocumentKind& TfFaktura::documentKind() const
{
    return m_numbering->kind();
}

QString TfFaktura::documentNumberText() const
{
    return m_header.number;
}

DocumentFields TfFaktura::documentFields(const QString& printerName) const
{
    return {m_header, m_partyControls.lista_wystawcow->currentText(),
            m_partyControls.lista_odbiorcow->currentText(), printerName};
}

void TfFaktura::showError(const QString& text)
{
    showMessage(m_services.messages, this, text, common::MessageIcon::Error);
}

void TfFaktura::closeEvent(QCloseEvent* event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    if (!askYesNo(m_services.messages, this, QStringLiteral("Czy zakończyć fakturowanie ?"),
                  common::MessageIcon::Question)) {
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
    if (!isEnterPress(event)) {
        return QWidget::eventFilter(watched, event);
    }
    if (watched == m_partyControls.lista_odbiorcow) {
        m_lineControls.goodsList->setFocus(Qt::OtherFocusReason);
    } else if (watched == m_lineControls.goodsList) {
        m_lineControls.quantity->setFocus(Qt::OtherFocusReason);
    } else if (watched == m_lineControls.quantity) {
        m_lineControls.add->click();
        m_lineControls.goodsList->setFocus(Qt::OtherFocusReason);
    } else if (watched == m_partyControls.find_nip) {
        m_partyControls.b_szukaj->click();
    } else {
        return QWidget::eventFilter(watched, event);
    }
    return true;
}

} // namespace kwitola::ui

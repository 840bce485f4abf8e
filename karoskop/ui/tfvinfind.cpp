#include "karoskop/ui/tfvinfind.h"

#include "common/seams/messageservice.h"
#include "common/widgets/transparentbutton.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/descriptionrows.h"
#include "karoskop/ui/look.h"
#include "karoskop/ui/messages.h"
#include "karoskop/ui/vinfindlayout.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>
#include <QWindow>

namespace karoskop {

namespace {

const QString kBackToChoice = QStringLiteral("Powrót do wyboru znaków");
const QString kBackToEntry = QStringLiteral("Powrót do edycji numeru");

QStringList itemsOf(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items << list.itemText(i);
    }
    return items;
}

// Keeps the cursor an hourglass while it lives.
class WaitCursor final
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The pixel size of the window's texts.
constexpr int kTextPixels = 13;

} // namespace

TfVinFind::TfVinFind(common::MessageService& messages, Decoder& decoder, QString folder,
                     QWidget* parent)
    : QWidget(parent), m_messages(messages), m_decoder(decoder), m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("TfVinFind"));
    setWindowTitle(QStringLiteral("Karoskop - opis pojazdu"));
    applyWindowLook(*this);
    buildControls();
    showDescription(VehicleDescription{});
    resize(kVinFindRunSize);
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(kSettleMilliseconds);
    connect(&m_settleTimer, &QTimer::timeout, this, &TfVinFind::askIfSettled);
}

void TfVinFind::buildControls()
{
    for (std::size_t i = 0; i < kListedRows.size(); ++i) {
        m_captions[i] = makeTextLabel(this, QStringLiteral("caption%1").arg(i + 1),
                                      QString::fromUtf8(kListedRows[i].caption), kTextPixels, true,
                                      kTextColour);
        m_values[i] = makeTextLabel(this, QString::fromLatin1(kListedRows[i].field), QString(),
                                    kTextPixels, true, kValueColour);
    }
    m_commentsCaption =
        makeTextLabel(this, QStringLiteral("captionComments"), QString::fromUtf8(kCommentsCaption),
                      kTextPixels, true, kTextColour);
    const std::array<const char*, 3> commentNames{"Label140", "Label150", "Label160"};
    for (std::size_t i = 0; i < m_comments.size(); ++i) {
        m_comments[i] = makeTextLabel(this, QString::fromLatin1(commentNames[i]), QString(),
                                      kTextPixels, false, kValueColour);
    }
    const DescriptionRow& fullVin = kDescriptionRows.front();
    m_fullVinCaption =
        makeTextLabel(this, QStringLiteral("captionFullVin"), QString::fromUtf8(fullVin.caption),
                      kTextPixels, true, kTextColour);
    m_fullVin = makeTextLabel(this, QString::fromLatin1(fullVin.field), QString(), kTextPixels,
                              true, kHighlightColour);
    QFont vinFont = m_fullVin->font();
    vinFont.setPixelSize(20);
    m_fullVin->setFont(vinFont);
    m_listCaption =
        makeTextLabel(this, QStringLiteral("captionLista1"), QString::fromUtf8(kModelListCaption),
                      kTextPixels, true, kTextColour);

    m_models = new QComboBox(this);
    m_models->setObjectName(QStringLiteral("Lista1"));
    m_models->setEditable(false);
    m_models->setMaxVisibleItems(16);
    m_models->setToolTip(
        QStringLiteral("Listę można przeglądać przy pomocy kursorów : góra - dół"));
    // The opened list keeps the window's dark background, so that its aqua
    // text reads as well as in the closed box.
    m_models->setStyleSheet(QStringLiteral(
        "QComboBox { color: aqua; background: rgb(28,29,55); border: 1px solid gray; "
        "font-weight: bold; }"
        "QComboBox QAbstractItemView { color: aqua; background: rgb(28,29,55); "
        "selection-color: rgb(28,29,55); selection-background-color: aqua; }"));

    m_yearError = makeTextLabel(this, QStringLiteral("blad"), QStringLiteral("Błąd w roczniku"),
                                kTextPixels, true, Qt::red);
    m_yearError->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_yearError->hide();

    m_printButton = makeTextButton(this, "b_druk", QStringLiteral("Drukowanie"),
                                   QStringLiteral("Druk rozkodowania na arkuszu A4"));
    m_checkButton =
        makeTextButton(this, "b_check", QStringLiteral("Check digit"),
                       QStringLiteral("Kontrola metodą \"Check digit\" weryfikuje poprawność "
                                      "numeru w pojazdach z USA , Kanady i Meksyku."));
    m_checkButton->setEnabled(false);
    m_backButton = makeTextButton(this, "b_powrot", kBackToEntry, QString());
    connect(m_printButton, &common::TTransparentButton::clicked, this, &TfVinFind::drukClicked);
    connect(m_backButton, &common::TTransparentButton::clicked, this, &TfVinFind::powrotClicked);
    connect(m_models, &QComboBox::activated, this, &TfVinFind::modelChosen);

    m_footer =
        makeTextLabel(this, QStringLiteral("footer"),
                      QStringLiteral("Karoskop® - identyfikacja pojazdów na podstawie numeru "
                                     "VIN"),
                      kTextPixels, false, kTextColour);
    m_footer->setAlignment(Qt::AlignCenter);
}

void TfVinFind::rozkodowanieVin()
{
    if (!isVisible()) {
        resize(kVinFindRunSize); // shown maximised again when presented
    }
    {
        const WaitCursor hourglass;
        m_decoder.rozkodowanieVin(m_folder);
        showRun();
    }
    // Asked once the window is presented and on screen, over it.
    m_modelQuestionPending = m_decoder.severalTypes();
}

void TfVinFind::showRun()
{
    showDescription(m_decoder.description());
    showBackCaption();
}

void TfVinFind::showEmergencyRun()
{
    showRun();
    if (m_decoder.severalTypes()) {
        askForModelChoice();
    }
}

void TfVinFind::closeAfterCancel()
{
    showBackCaption();
    close();
}

void TfVinFind::askForModelChoice()
{
    m_modelQuestionPending = true;
    askWhenOnScreen();
}

void TfVinFind::askWhenOnScreen()
{
    if (!m_modelQuestionPending || !isVisible()) {
        return; // asked when the window is presented
    }
    // The window system puts the window on screen and maximises it in
    // steps; the question waits until the window has kept its place for a
    // moment, so that it stands over where the window stays.
    if (QWindow* window = windowHandle()) {
        window->installEventFilter(this);
    }
    m_settleTimer.start();
}

void TfVinFind::askIfSettled()
{
    QWindow* window = windowHandle();
    if (!m_modelQuestionPending || !isVisible() || window == nullptr || !window->isExposed()) {
        return; // the window's next exposure tries again
    }
    window->removeEventFilter(this);
    m_modelQuestionPending = false;
    common::Message message = karoskopMessage(
        QStringLiteral(
            "Program znalazł więcej niż jeden typ pojazdu pasujący do kodu nadwozia. Aby "
            "rozkodować dane pojazdu - program potrzebuje więcej informacji. Proszę wybrać z "
            "rozwijalnej listy odpowiedni model."),
        common::MessageIcon::Exclamation);
    message.centredOver = frameGeometry();
    m_messages.show(message, this);
    m_models->setFocus();
}

void TfVinFind::modelChosen()
{
    m_decoder.chooseModel(m_models->currentText());
    showDescription(m_decoder.description());
}

void TfVinFind::showDescription(const VehicleDescription& description)
{
    const VehicleDescription& d = description;
    for (std::size_t i = 0; i < kListedRows.size(); ++i) {
        m_values[i]->setText(d.*kListedRows[i].value);
        m_values[i]->adjustSize();
    }
    m_fullVin->setText(d.fullVin);
    m_fullVin->adjustSize();
    for (std::size_t i = 0; i < m_comments.size(); ++i) {
        m_comments[i]->setText(d.comments[i]);
        m_comments[i]->adjustSize();
    }
    if (itemsOf(*m_models) != d.models) {
        m_models->clear();
        m_models->addItems(d.models);
    }
    m_yearError->setVisible(d.yearErrorShown);
}

VehicleDescription TfVinFind::description() const
{
    VehicleDescription d;
    for (std::size_t i = 0; i < kListedRows.size(); ++i) {
        d.*kListedRows[i].value = m_values[i]->text();
    }
    d.fullVin = m_fullVin->text();
    for (std::size_t i = 0; i < m_comments.size(); ++i) {
        d.comments[i] = m_comments[i]->text();
    }
    d.models = itemsOf(*m_models);
    d.yearErrorShown = !m_yearError->isHidden();
    return d;
}

void TfVinFind::clearModels()
{
    m_models->clear();
}

void TfVinFind::present()
{
    showMaximized();
    raise();
    activateWindow();
    askWhenOnScreen();
}

bool TfVinFind::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == windowHandle() && m_modelQuestionPending &&
        (type == QEvent::Expose || type == QEvent::Resize || type == QEvent::Move)) {
        m_settleTimer.start(); // not settled yet
    }
    return QWidget::eventFilter(watched, event);
}

void TfVinFind::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_models->count() > 0) {
        m_models->setCurrentIndex(0);
    }
}

void TfVinFind::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    holdOuterSizeOrLayOut(*this, clampedVinFindSize, [this] { applyLayout(); });
}

void TfVinFind::applyLayout()
{
    VinFindMetrics m;
    for (std::size_t i = 0; i < m_captions.size(); ++i) {
        m_captions[i]->adjustSize();
        m.captionWidths[i] = m_captions[i]->width();
    }
    m_commentsCaption->adjustSize();
    m_fullVinCaption->adjustSize();
    m.commentsCaptionWidth = m_commentsCaption->width();
    m.fullVinCaptionWidth = m_fullVinCaption->width();
    m_listCaption->adjustSize();
    m.listCaptionWidth = m_listCaption->width();
    m.listSize = m_models->sizeHint();
    m_yearError->adjustSize();
    m.errorMarker = m_yearError->size();
    m_footer->adjustSize();
    m.footerHeight = m_footer->height();

    const VinFindGeometry g = vinFindLayout(frameGeometry().size(), size(), m);
    for (std::size_t i = 0; i < m_captions.size(); ++i) {
        m_captions[i]->move(g.captions[i]);
        m_values[i]->move(g.values[i]);
    }
    m_commentsCaption->move(g.commentsCaption);
    for (std::size_t i = 0; i < m_comments.size(); ++i) {
        m_comments[i]->move(g.comments[i]);
    }
    m_fullVinCaption->move(g.fullVinCaption);
    m_fullVin->move(g.fullVin);
    m_listCaption->move(g.listCaption);
    m_models->setGeometry(g.list);
    m_yearError->setGeometry(g.errorMarker);
    m_printButton->setGeometry(g.buttons[0]);
    m_checkButton->setGeometry(g.buttons[1]);
    m_backButton->setGeometry(g.buttons[2]);
    m_footer->setGeometry(g.footer);
}

void TfVinFind::showBackCaption()
{
    const bool toChoice = m_decoder.emergencyStage() == EmergencyStage::Decoded;
    m_backButton->setCaption(toChoice ? kBackToChoice : kBackToEntry);
}

void TfVinFind::powrotClicked()
{
    if (m_decoder.emergencyStage() == EmergencyStage::Decoded) {
        Q_EMIT positionChoiceRequested();
        return;
    }
    close();
}

void TfVinFind::drukClicked()
{
    Q_EMIT printRequested(description());
}

} // namespace karoskop

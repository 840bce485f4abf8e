#include "karoskop/ui/tfvinfind.h"

#include "common/seams/messageservice.h"
#include "common/widgets/transparentbutton.h"
#include "karoskop/core/decoder.h"
#include "karoskop/ui/look.h"
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

constexpr std::array<const char*, kDescriptionRowCount> kCaptions{
    "Strefa geograficzna", "Kraj producenta", "Marka pojazdu",      "Typ pojazdu",
    "Rok produkcji",       "Rok modelowy",    "Miesiąc produkcji",  "Lokalizacja fabryki",
    "Typ nadwozia",        "Typ silnika",     "Typ skrzyni biegów", "Lata produkcji modelu",
    "Numer seryjny",
};

// The description's fields in the order of the rows, Label1 .. Label13.
std::array<QString*, kDescriptionRowCount> rowFields(VehicleDescription& d)
{
    return {&d.region,    &d.country,         &d.make,  &d.type, &d.productionYear,
            &d.modelYear, &d.productionMonth, &d.plant, &d.body, &d.engine,
            &d.gearbox,   &d.modelYears,      &d.serial};
}

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

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QColor& colour,
                  bool bold)
{
    return makeTextLabel(parent, name, text, 13, bold, colour);
}

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
    for (int i = 0; i < kDescriptionRowCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        m_captions[row] = makeLabel(this, QStringLiteral("caption%1").arg(i + 1),
                                    QString::fromUtf8(kCaptions[row]), kTextColour, true);
        m_values[row] =
            makeLabel(this, QStringLiteral("Label%1").arg(i + 1), QString(), kValueColour, true);
    }
    m_commentsCaption = makeLabel(this, QStringLiteral("captionComments"),
                                  QStringLiteral("Komentarze :"), kTextColour, true);
    const std::array<const char*, 3> commentNames{"Label140", "Label150", "Label160"};
    for (std::size_t i = 0; i < m_comments.size(); ++i) {
        m_comments[i] =
            makeLabel(this, QString::fromLatin1(commentNames[i]), QString(), kValueColour, false);
    }
    m_fullVinCaption = makeLabel(this, QStringLiteral("captionFullVin"),
                                 QStringLiteral("Pełny numer nadwozia :"), kTextColour, true);
    Label0 = makeLabel(this, QStringLiteral("Label0"), QString(), kHighlightColour, true);
    QFont vinFont = Label0->font();
    vinFont.setPixelSize(20);
    Label0->setFont(vinFont);
    m_listCaption = makeLabel(this, QStringLiteral("captionLista1"),
                              QStringLiteral("Lista typów pojazdów spełniających zadane kryteria"),
                              kTextColour, true);

    Lista1 = new QComboBox(this);
    Lista1->setObjectName(QStringLiteral("Lista1"));
    Lista1->setEditable(false);
    Lista1->setMaxVisibleItems(16);
    Lista1->setToolTip(QStringLiteral("Listę można przeglądać przy pomocy kursorów : góra - dół"));
    // The opened list keeps the window's dark background, so that its aqua
    // text reads as well as in the closed box.
    Lista1->setStyleSheet(QStringLiteral(
        "QComboBox { color: aqua; background: rgb(28,29,55); border: 1px solid gray; "
        "font-weight: bold; }"
        "QComboBox QAbstractItemView { color: aqua; background: rgb(28,29,55); "
        "selection-color: rgb(28,29,55); selection-background-color: aqua; }"));

    blad =
        makeLabel(this, QStringLiteral("blad"), QStringLiteral("Błąd w roczniku"), Qt::red, true);
    blad->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    blad->hide();

    b_druk = makeTextButton(this, "b_druk", QStringLiteral("Drukowanie"),
                            QStringLiteral("Druk rozkodowania na arkuszu A4"));
    b_check = makeTextButton(this, "b_check", QStringLiteral("Check digit"),
                             QStringLiteral("Kontrola metodą \"Check digit\" weryfikuje poprawność "
                                            "numeru w pojazdach z USA , Kanady i Meksyku."));
    b_check->setEnabled(false);
    b_powrot = makeTextButton(this, "b_powrot", kBackToEntry, QString());
    connect(b_druk, &common::TTransparentButton::clicked, this, &TfVinFind::drukClicked);
    connect(b_powrot, &common::TTransparentButton::clicked, this, &TfVinFind::powrotClicked);
    connect(Lista1, &QComboBox::activated, this, &TfVinFind::lista1Change);

    m_footer = makeLabel(this, QStringLiteral("footer"),
                         QStringLiteral("Karoskop® - identyfikacja pojazdów na podstawie numeru "
                                        "VIN"),
                         kTextColour, false);
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
    common::Message message;
    message.text = QStringLiteral(
        "Program znalazł więcej niż jeden typ pojazdu pasujący do kodu nadwozia. Aby "
        "rozkodować dane pojazdu - program potrzebuje więcej informacji. Proszę wybrać z "
        "rozwijalnej listy odpowiedni model.");
    message.title = QStringLiteral("Karoskop");
    message.icon = common::MessageIcon::Exclamation;
    message.centredOver = frameGeometry();
    m_messages.show(message, this);
    Lista1->setFocus();
}

void TfVinFind::lista1Change()
{
    m_decoder.chooseModel(Lista1->currentText());
    showDescription(m_decoder.description());
}

void TfVinFind::showDescription(const VehicleDescription& description)
{
    VehicleDescription d = description;
    const auto fields = rowFields(d);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        m_values[i]->setText(*fields[i]);
        m_values[i]->adjustSize();
    }
    Label0->setText(d.fullVin);
    Label0->adjustSize();
    for (std::size_t i = 0; i < m_comments.size(); ++i) {
        m_comments[i]->setText(d.comments[i]);
        m_comments[i]->adjustSize();
    }
    if (itemsOf(*Lista1) != d.models) {
        Lista1->clear();
        Lista1->addItems(d.models);
    }
    blad->setVisible(d.yearErrorShown);
}

VehicleDescription TfVinFind::description() const
{
    VehicleDescription d;
    const auto fields = rowFields(d);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        *fields[i] = m_values[i]->text();
    }
    d.fullVin = Label0->text();
    for (std::size_t i = 0; i < m_comments.size(); ++i) {
        d.comments[i] = m_comments[i]->text();
    }
    d.models = itemsOf(*Lista1);
    d.yearErrorShown = !blad->isHidden();
    return d;
}

void TfVinFind::clearModels()
{
    Lista1->clear();
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
    if (Lista1->count() > 0) {
        Lista1->setCurrentIndex(0);
    }
}

void TfVinFind::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize extra = frameGeometry().size() - size();
    const QSize outer = size() + extra;
    const QSize held = clampedVinFindSize(outer);
    if (held != outer && !isMaximized()) {
        resize(held - extra);
        return;
    }
    applyLayout();
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
    m.listSize = Lista1->sizeHint();
    blad->adjustSize();
    m.errorMarker = blad->size();
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
    Label0->move(g.fullVin);
    m_listCaption->move(g.listCaption);
    Lista1->setGeometry(g.list);
    blad->setGeometry(g.errorMarker);
    b_druk->setGeometry(g.buttons[0]);
    b_check->setGeometry(g.buttons[1]);
    b_powrot->setGeometry(g.buttons[2]);
    m_footer->setGeometry(g.footer);
}

void TfVinFind::showBackCaption()
{
    const bool toChoice = m_decoder.emergencyStage() == EmergencyStage::Decoded;
    b_powrot->setCaption(toChoice ? kBackToChoice : kBackToEntry);
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

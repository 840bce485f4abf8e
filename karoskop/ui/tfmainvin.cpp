#include "karoskop/ui/tfmainvin.h"

#include "common/seams/messageservice.h"
#include "common/widgets/transparentbutton.h"
#include "common/widgets/transparentbuttonpainter.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/core/vinentry.h"
#include "karoskop/ui/look.h"
#include "karoskop/ui/mainvinlayout.h"
#include "karoskop/ui/positionfield.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace karoskop {

namespace {

const QString kTitle = QStringLiteral("Karoskop");

constexpr std::array<const char*, kInstructionLineCount> kInstructions{
    "W celu uruchomienia procedury identyfikacji pojazdu -",
    "wprowadź pełny 17 - znakowy numer nadwozia/podwozia",
    "w formacie VIN. Rozpocznij w polu nr 1.",
    "Program traktuje małe i duże litery równoznacznie.",
    "Pamiętaj ! Wszystkie pola muszą być wypełnione.",
    "Po wprowadzeniu numeru naciśnij : ' Rozkodowanie '.",
};

QString informationText()
{
    return QString(23, u' ') + QStringLiteral("Informacje dodatkowe\n"
                                              "Karoskop rozkodowuje numery nadwozia VIN.\n"
                                              "Strefę, kraj i markę odczytuje z poz. 1 - 3,\n"
                                              "rok produkcji z kodu rocznika,\n"
                                              "a pojazdy marki Ford rozkodowuje w pełni.\n"
                                              "Opis pojazdu można wydrukować na arkuszu A4.\n"
                                              "\n");
}

} // namespace

TfMainVin::TfMainVin(common::MessageService& messages, Decoder& decoder, QString folder,
                     QWidget* parent)
    : QWidget(parent), m_messages(messages), m_decoder(decoder), m_folder(std::move(folder)),
      m_informationText(informationText())
{
    setObjectName(QStringLiteral("TfMainVin"));
    setWindowTitle(QStringLiteral("Karoskop® v.5.1999"));
    applyCaptionLook(*this, kTextColour);
    applyWindowLook(*this);
    buildControls();
    resize(kMainVinMinimumOuterSize);
}

void TfMainVin::buildControls()
{
    m_titleBand = new QFrame(this);
    m_titleBand->setObjectName(QStringLiteral("titleBand"));
    m_titleBand->setFrameShape(QFrame::Box);
    m_titleBand->setLineWidth(2);
    m_titleBand->setStyleSheet(QStringLiteral("QFrame#titleBand { border: 2px solid yellow; }"));
    m_title =
        makeTextLabel(m_titleBand, QStringLiteral("title"), QStringLiteral("Karoskop®"), 32, true);
    QFont serif = m_title->font();
    serif.setFamily(QStringLiteral("Times New Roman"));
    m_title->setFont(serif);
    m_title->setAlignment(Qt::AlignCenter);

    for (std::size_t i = 0; i < m_instructions.size(); ++i) {
        m_instructions[i] = makeTextLabel(this, QStringLiteral("instruction%1").arg(i + 1),
                                          QString::fromUtf8(kInstructions[i]), 13, false);
    }

    b_about = new QPushButton(this);
    b_about->setObjectName(QStringLiteral("b_about"));
    b_about->setToolTip(QStringLiteral("O programie"));
    b_about->setIcon(QIcon(logoPixmap(40)));
    b_about->setIconSize(QSize(40, 40));
    b_about->setFlat(true);
    b_about->setFocusPolicy(Qt::NoFocus);
    b_about->setStyleSheet(
        QStringLiteral("QPushButton { background: transparent; border: none; }"));
    m_infoLabel =
        makeTextLabel(this, QStringLiteral("infoLabel"), QStringLiteral("Info"), 12, true);
    connect(b_about, &QPushButton::clicked, this, &TfMainVin::aboutClicked);

    for (int n = 1; n <= kVinLength; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        m_positionLabels[i] =
            makeTextLabel(this, QStringLiteral("Lab%1").arg(n), QString::number(n), 11, false);
        m_fields[i] = new PositionField(this);
        m_fields[i]->setObjectName(QStringLiteral("Edit%1").arg(n));
        connect(m_fields[i], &QLineEdit::textChanged, this, [this, n] { fieldChanged(n); });
    }
    // The fields come first in the tab order, from 1 to 17.
    for (std::size_t i = 1; i < m_fields.size(); ++i) {
        setTabOrder(m_fields[i - 1], m_fields[i]);
    }

    b_start = makeTextButton(this, "b_start", QStringLiteral("Start wpisywania"),
                             QStringLiteral("Wyczyszczenie zawartości pól"));
    b_rozkodowanie = makeTextButton(this, "b_rozkodowanie", QStringLiteral("Rozkodowanie"),
                                    QStringLiteral("Rozkodowanie wpisanego numeru"));
    b_ostatni = makeTextButton(this, "b_ostatni", QStringLiteral("Ostatni numer"),
                               QStringLiteral("Wczytuje ostatni rozkodowywany numer nadwozia"));
    b_zamknij = makeTextButton(this, "b_zamknij", QStringLiteral("Zakończenie działania programu"),
                               QStringLiteral("Wyjście z programu"));
    connect(b_start, &common::TTransparentButton::clicked, this, &TfMainVin::startClicked);
    connect(b_rozkodowanie, &common::TTransparentButton::clicked, this,
            &TfMainVin::rozkodowanieClicked);
    connect(b_ostatni, &common::TTransparentButton::clicked, this, &TfMainVin::lastNumberClicked);
    connect(b_zamknij, &common::TTransparentButton::clicked, this, &QWidget::close);
    m_buttonFont = b_zamknij->font();

    m_footer =
        makeTextLabel(this, QStringLiteral("footer"),
                      QStringLiteral("Karoskop® v.5.1999 - identyfikacja pojazdów na podstawie "
                                     "numeru nadwozia"),
                      11, false);
    m_footer->setAlignment(Qt::AlignCenter);
    m_fields.front()->setFocus();
}

Vin TfMainVin::fieldTexts() const
{
    Vin texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = m_fields[i]->text();
    }
    return texts;
}

PositionField* TfMainVin::field(int position) const
{
    return m_fields[static_cast<std::size_t>(position - 1)];
}

void TfMainVin::focusField(int position)
{
    field(position)->setFocus();
}

QStringList TfMainVin::informationLines() const
{
    QStringList lines;
    for (const QString& line : m_informationText.split(u'\n')) {
        if (line.isEmpty()) {
            break;
        }
        lines << line;
    }
    return lines;
}

void TfMainVin::fieldChanged(int position)
{
    if (position < kVinLength) {
        focusField(position + 1);
    }
}

void TfMainVin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_shownBefore) {
        m_shownBefore = true;
        Q_EMIT informationReady(informationLines());
    }
}

void TfMainVin::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize extra = frameGeometry().size() - size();
    const QSize outer = size() + extra;
    const QSize held = clampedMainVinSize(outer);
    if (held != outer && !isMaximized()) {
        resize(held - extra);
        return;
    }
    applyLayout();
}

void TfMainVin::applyLayout()
{
    MainVinMetrics m;
    m_footer->adjustSize();
    m.footerHeight = m_footer->height();
    // The layout works in client coordinates; the client area starts below
    // the window's own title bar.
    const QRect client = contentsRect();
    const MainVinGeometry g = mainVinLayout(frameGeometry().size(), client.size(), m);
    const auto place = [origin = client.topLeft()](QWidget* w, const QRect& r) {
        w->setGeometry(r.translated(origin));
    };
    place(m_titleBand, g.titleBand);
    m_title->setGeometry(m_titleBand->rect());
    place(m_footer, g.footer);
    // The buttons' cells are half the client width: at the smallest sizes
    // the longest caption takes a smaller font rather than being cut off.
    // Each button is only as wide as its caption, so that its frame under
    // the mouse follows the caption.
    constexpr int kCaptionMargin = 8;
    const std::pair<common::TTransparentButton*, QRect> buttons[] = {
        {b_start, g.startButton},
        {b_ostatni, g.lastButton},
        {b_rozkodowanie, g.decodeButton},
        {b_zamknij, g.closeButton}};
    for (const auto& [button, cell] : buttons) {
        button->setFont(fittedFont(m_buttonFont, button->text(), cell.width() - kCaptionMargin));
        const int captionWidth =
            common::captionTextSize(button->text(), button->font(), false, cell.width()).width();
        place(button, buttonAroundCaption(cell, captionWidth));
    }
    for (std::size_t i = 0; i < m_instructions.size(); ++i) {
        place(m_instructions[i], g.instructions[i]);
    }
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        place(m_fields[i], g.fields[i]);
        place(m_positionLabels[i], g.positionLabels[i]);
    }
    place(b_about, g.aboutButton);
    b_about->raise();
    place(m_infoLabel, g.infoLabel);
}

void TfMainVin::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closed();
    }
}

void TfMainVin::startClicked()
{
    for (PositionField* f : m_fields) {
        f->clear();
    }
    focusField(1);
}

void TfMainVin::lastNumberClicked()
{
    const LastNumberRead read = readLastNumber(m_folder);
    if (read.status == LastNumberRead::Status::Missing) {
        common::Message message;
        message.text = QStringLiteral("Brak informacji do odczytania.");
        message.title = kTitle;
        message.icon = common::MessageIcon::Information;
        m_messages.show(message, this);
        return;
    }
    Q_EMIT modelListCleared();
    if (read.status == LastNumberRead::Status::Failed) {
        showError(QStringLiteral("Nie można odczytać pliku %1: %2")
                      .arg(QString::fromLatin1(kLastNumberFileName), read.error));
        return;
    }
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i]->setText(read.number[i]);
    }
}

void TfMainVin::rozkodowanieClicked()
{
    const EntryResult entry = checkEntry(fieldTexts());
    if (!entry.storeNumber) {
        showRefusal(*entry.refusal);
        return;
    }
    Q_EMIT modelListCleared();
    if (const std::optional<QString> error = writeLastNumber(m_folder, entry.stored)) {
        showError(*error);
        return;
    }
    if (entry.refusal) {
        showRefusal(*entry.refusal);
        focusField(entry.refusal->position);
        return;
    }
    Q_EMIT decodeRequested();
    if (m_decoder.manufacturerKnown()) {
        Q_EMIT resultRequested();
        return;
    }
    offerEmergencyDecoding();
}

void TfMainVin::offerEmergencyDecoding()
{
    Q_EMIT emergencyOffered();
    common::Message question;
    question.text = unknownManufacturerQuestion();
    question.title = QStringLiteral("Karoskop®");
    question.icon = common::MessageIcon::Question;
    question.buttons = common::MessageButtons::YesNo;
    question.defaultAnswer = common::MessageAnswer::No;
    if (m_messages.show(question, this) != common::MessageAnswer::Yes) {
        return;
    }
    Q_EMIT emergencyRequested();
    focusField(1);
    // After "Rezygnacja" the user is back at the number, without a result.
    if (m_decoder.emergencyUnderWay()) {
        Q_EMIT resultRequested();
    }
}

void TfMainVin::showRefusal(const EntryRefusal& refusal)
{
    common::Message message;
    message.text = refusal.message;
    message.title = kTitle;
    const int screenWidth = screen() != nullptr ? screen()->geometry().width() : 0;
    message.topLeft = refusalMessagePosition(refusal.check, frameGeometry().topLeft(), screenWidth);
    m_messages.show(message, this);
}

void TfMainVin::showError(const QString& text)
{
    common::Message message;
    message.text = text;
    message.title = kTitle;
    message.icon = common::MessageIcon::Error;
    m_messages.show(message, this);
}

void TfMainVin::aboutClicked()
{
    Q_EMIT aboutRequested();
}

} // namespace karoskop

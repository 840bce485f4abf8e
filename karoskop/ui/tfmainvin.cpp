#include "karoskop/ui/tfmainvin.h"

#include "common/seams/messageservice.h"
#include "common/widgets/transparentbutton.h"
#include "common/widgets/transparentbuttonpainter.h"
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/core/vinentry.h"
#include "karoskop/ui/look.h"
#include "karoskop/ui/mainvinlayout.h"
#include "karoskop/ui/messages.h"
#include "karoskop/ui/positionfield.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace karoskop {

namespace {

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

TfMainVin::TfMainVin(common::MessageService& messages, QString folder, QWidget* parent)
    : QWidget(parent), m_messages(messages), m_folder(std::move(folder)),
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

    m_aboutButton = new QPushButton(this);
    m_aboutButton->setObjectName(QStringLiteral("b_about"));
    m_aboutButton->setToolTip(QStringLiteral("O programie"));
    m_aboutButton->setIcon(QIcon(logoPixmap(40)));
    m_aboutButton->setIconSize(QSize(40, 40));
    m_aboutButton->setFlat(true);
    m_aboutButton->setFocusPolicy(Qt::NoFocus);
    m_aboutButton->setStyleSheet(
        QStringLiteral("QPushButton { background: transparent; border: none; }"));
    m_infoLabel =
        makeTextLabel(this, QStringLiteral("infoLabel"), QStringLiteral("Info"), 12, true);
    connect(m_aboutButton, &QPushButton::clicked, this, &TfMainVin::aboutClicked);

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

    m_startButton = makeTextButton(this, "b_start", QStringLiteral("Start wpisywania"),
                                   QStringLiteral("Wyczyszczenie zawartości pól"));
    m_decodeButton = makeTextButton(this, "b_rozkodowanie", QStringLiteral("Rozkodowanie"),
                                    QStringLiteral("Rozkodowanie wpisanego numeru"));
    m_lastButton = makeTextButton(this, "b_ostatni", QStringLiteral("Ostatni numer"),
                                  QStringLiteral("Wczytuje ostatni rozkodowywany numer nadwozia"));
    m_closeButton =
        makeTextButton(this, "b_zamknij", QStringLiteral("Zakończenie działania programu"),
                       QStringLiteral("Wyjście z programu"));
    connect(m_startButton, &common::TTransparentButton::clicked, this, &TfMainVin::startClicked);
    connect(m_decodeButton, &common::TTransparentButton::clicked, this,
            &TfMainVin::rozkodowanieClicked);
    connect(m_lastButton, &common::TTransparentButton::clicked, this,
            &TfMainVin::lastNumberClicked);
    connect(m_closeButton, &common::TTransparentButton::clicked, this, &QWidget::close);
    m_buttonFont = m_closeButton->font();

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
    holdOuterSizeOrLayOut(*this, clampedMainVinSize, [this] { applyLayout(); });
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
        {m_startButton, g.startButton},
        {m_lastButton, g.lastButton},
        {m_decodeButton, g.decodeButton},
        {m_closeButton, g.closeButton}};
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
    place(m_aboutButton, g.aboutButton);
    m_aboutButton->raise();
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
    const auto read = readLastNumber(m_folder);
    if (read && !read->has_value()) {
        m_messages.show(karoskopMessage(QStringLiteral("Brak informacji do odczytania."),
                                        common::MessageIcon::Information),
                        this);
        return;
    }
    Q_EMIT modelListCleared();
    if (!read) {
        showError(QStringLiteral("Nie można odczytać pliku %1: %2")
                      .arg(QString::fromLatin1(kLastNumberFileName), read.error()));
        return;
    }
    const Vin& number = **read;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i]->setText(number[i]);
    }
}

void TfMainVin::rozkodowanieClicked()
{
    Q_EMIT numberSubmitted(fieldTexts());
}

bool TfMainVin::askEmergencyDecoding()
{
    return m_messages.show(karoskopQuestion(unknownManufacturerQuestion()), this) ==
           common::MessageAnswer::Yes;
}

void TfMainVin::showRefusal(const EntryRefusal& refusal)
{
    common::Message message = karoskopMessage(refusal.message);
    const int screenWidth = screen() != nullptr ? screen()->geometry().width() : 0;
    message.topLeft = refusalMessagePosition(refusal.check, frameGeometry().topLeft(), screenWidth);
    m_messages.show(message, this);
}

void TfMainVin::showError(const QString& text)
{
    m_messages.show(karoskopMessage(text, common::MessageIcon::Error), this);
}

void TfMainVin::aboutClicked()
{
    Q_EMIT aboutRequested();
}

} // namespace karoskop

#include "karoskop/ui/tfawaria.h"

#include "common/widgets/backgrounds.h"
#include "common/widgets/transparentbutton.h"
#include "karoskop/core/decoder.h"
#include "karoskop/ui/look.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace karoskop {
namespace {

constexpr int kClientWidth = 458;
constexpr int kClientHeight = 223;
constexpr int kColumnWidth = 25;
constexpr int kFirstColumn = (kClientWidth - kVinLength * kColumnWidth) / 2;
constexpr int kMarkerSize = 7;

const QColor kLime{0, 255, 0};

enum class Box { Free, Locked };

struct PositionLook
{
    bool ticked; // at first showing
    Box box;
    bool marked; // small red square
};

// The fixed arrangement of the boxes: 1-3 never used, 12-17 always, the
// user chooses among 4-11.
PositionLook positionLook(int position)
{
    if (position <= 3) {
        return {false, Box::Locked, true};
    }
    if (position >= 12) {
        return {true, Box::Locked, true};
    }
    return {position == 9 || position == 10, Box::Free, false};
}

int columnLeft(int position)
{
    return kFirstColumn + (position - 1) * kColumnWidth;
}

QLabel* textLine(QWidget& parent, const QString& text, int top, bool bold = false)
{
    auto* label = new QLabel(text, &parent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(bold);
    label->setFont(font);
    setTextColour(*label, kTextColour);
    label->setGeometry(8, top, kClientWidth - 12, 14);
    return label;
}

// A flat button with a yellow bold caption that stays yellow under the mouse.
common::TTransparentButton* flatButton(QWidget& parent, const char* name, const QString& caption)
{
    auto* button = new common::TTransparentButton(&parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(caption);
    applyButtonLook(*button, kTextColour, std::nullopt);
    return button;
}

} // namespace

QColor characterColour(int position, bool ticked)
{
    // Only the positions the user chooses among change colour.
    const bool white = positionLook(position).box == Box::Free && ticked;
    return white ? QColor(Qt::white) : kLime;
}

TfAwaria::TfAwaria(Decoder& decoder, QWidget* parent) : QDialog(parent), m_decoder(decoder)
{
    setObjectName(QStringLiteral("TfAwaria"));
    setWindowTitle(QStringLiteral("Rozkodowanie awaryjne"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    applyDialogLook(*this);
    buildControls();
}

void TfAwaria::buildControls()
{
    textLine(*this,
             QStringLiteral(
                 "Proszę zaznaczyć pozycje, które mają zostać uwzględnione podczas rozkodowania."),
             8);
    textLine(*this,
             QStringLiteral("Z powodu ograniczonego trybu pracy programu - rozkodowane dane będą"),
             30);
    textLine(*this,
             QStringLiteral(
                 "niekompletne. Może się zdarzyć, że program znajdzie większą ilość pasujących"),
             44);
    textLine(*this, QStringLiteral("pojazdów. Wówczas należy wybrać odpowiedni z listy."), 58);
    textLine(*this, QStringLiteral("Zaleca się wybranie z klucza max. 3 znaków."), 78, true);

    QFont numberFont(QStringLiteral("Arial"));
    numberFont.setPixelSize(11);
    QFont characterFont(QStringLiteral("Arial"));
    characterFont.setPixelSize(16);
    characterFont.setBold(true);
    for (int position = 1; position <= kVinLength; ++position) {
        const auto i = static_cast<std::size_t>(position - 1);
        const int left = columnLeft(position);
        const PositionLook look = positionLook(position);

        auto* number = new QLabel(QString::number(position), this);
        number->setObjectName(QStringLiteral("positionNumber%1").arg(position));
        number->setFont(numberFont);
        number->setAlignment(Qt::AlignHCenter);
        setTextColour(*number, kTextColour);
        number->setGeometry(left, 100, kColumnWidth, 14);
        m_numbers[i] = number;

        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(position));
        box->setChecked(look.ticked);
        box->setEnabled(look.box == Box::Free);
        box->setGeometry(left + 5, 116, 16, 16);
        connect(box, &QCheckBox::toggled, this, [this, position] { boxToggled(position); });
        m_boxes[i] = box;

        if (look.marked) {
            auto* marker = new common::TColorPanel(this);
            marker->setObjectName(QStringLiteral("marker%1").arg(position));
            marker->setLook({Qt::red, common::BevelKind::None});
            marker->setGeometry(left + (kColumnWidth - kMarkerSize) / 2, 135, kMarkerSize,
                                kMarkerSize);
        }

        auto* character = new QLabel(this);
        character->setObjectName(QStringLiteral("Label%1").arg(position));
        character->setFont(characterFont);
        character->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        character->setGeometry(left, 145, kColumnWidth, 22);
        setTextColour(*character, characterColour(position, look.ticked));
        m_characters[i] = character;
    }

    m_cancelButton = flatButton(*this, "b_rezygnacja", QStringLiteral("Rezygnacja"));
    m_decodeButton = flatButton(*this, "b_rozkodowanie", QStringLiteral("Rozkodowanie"));
    m_cancelButton->setGeometry(20, 184, 190, 29);
    m_decodeButton->setGeometry(kClientWidth - 20 - 190, 184, 190, 29);
    connect(m_cancelButton, &common::TTransparentButton::clicked, this,
            &TfAwaria::rezygnacjaClicked);
    connect(m_decodeButton, &common::TTransparentButton::clicked, this,
            &TfAwaria::rozkodowanieClicked);
}

QCheckBox* TfAwaria::box(int position) const
{
    return m_boxes.at(static_cast<std::size_t>(position - 1));
}

QLabel* TfAwaria::character(int position) const
{
    return m_characters.at(static_cast<std::size_t>(position - 1));
}

PositionMask TfAwaria::ticked() const
{
    PositionMask mask{};
    for (std::size_t i = 0; i < mask.size(); ++i) {
        mask[i] = m_boxes[i]->isChecked();
    }
    return mask;
}

void TfAwaria::boxToggled(int position)
{
    setTextColour(*character(position), characterColour(position, box(position)->isChecked()));
}

void TfAwaria::bezTrzechPierwszych()
{
    const Vin& vin = m_decoder.number();
    for (int position = 1; position <= kVinLength; ++position) {
        character(position)->setText(vin[static_cast<std::size_t>(position - 1)]);
    }
    m_decoder.beginEmergency();
    exec();
}

void TfAwaria::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
}

void TfAwaria::rozkodowanieClicked()
{
    m_decoder.decodeEmergency(ticked());
    accept();
    Q_EMIT decoded();
}

void TfAwaria::rezygnacjaClicked()
{
    if (!m_decoder.emergencyUnderWay()) {
        return;
    }
    m_decoder.cancelEmergency();
    QDialog::reject();
    Q_EMIT cancelled();
}

void TfAwaria::reject()
{
    // Esc and the close box leave the window the way "Rezygnacja" does; with
    // no emergency decoding under way they just close it.
    if (m_decoder.emergencyUnderWay()) {
        rezygnacjaClicked();
    } else {
        QDialog::reject();
    }
}

} // namespace karoskop

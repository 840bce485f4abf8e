#include "karoskop/ui/tfabout.h"

#include "common/widgets/gradientcaption.h"
#include "common/widgets/transparentbutton.h"
#include "karoskop/ui/look.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace karoskop {

namespace {

constexpr QSize kAboutSize{331, 257};

} // namespace

TfAbout::TfAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfAbout"));
    setWindowTitle(QStringLiteral("O programie"));
    // No system buttons: the box closes through its OK button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    common::TGradientCaption* caption = applyCaptionLook(*this, QColor(255, 0, 255));
    caption->setBorderIcons({false, false, false, false});
    applyWindowLook(*this);

    m_lines = new QComboBox(this);
    m_lines->setObjectName(QStringLiteral("informationList"));
    m_lines->setFocusPolicy(Qt::ClickFocus); // not a tab stop

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(logoPixmap(64));
    auto* name =
        makeTextLabel(panel, QStringLiteral("programName"), QStringLiteral("Karoskop®"), 28, true);
    name->setFont(QFont(QStringLiteral("Times New Roman"), -1, QFont::Bold));
    QFont nameFont = name->font();
    nameFont.setPixelSize(28);
    name->setFont(nameFont);
    auto* version =
        makeTextLabel(panel, QStringLiteral("version"), QStringLiteral("Wersja 5.1999"), 13, false);
    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(logo);
    panelLayout->addLayout(texts, 1);

    auto* ok = makeTextButton(this, "b_ok", QStringLiteral("OK"), QString());
    connect(ok, &common::TTransparentButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lines);
    layout->addWidget(panel, 1);
    layout->addWidget(ok);
    setFixedSize(kAboutSize); // the window system cannot resize it either
}

void TfAbout::setInformationLines(const QStringList& lines)
{
    m_lines->clear();
    m_lines->addItems(lines);
}

void TfAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_lines->setCurrentIndex(m_lines->count() > 0 ? 0 : -1);
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace karoskop

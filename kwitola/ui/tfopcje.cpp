#include "kwitola/ui/tfopcje.h"

#include "common/seams/filedialogservice.h"
#include "common/seams/printerdialogservice.h"
#include "kwitola/ui/controlfactory.h"
#include "kwitola/ui/lengthlimit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

namespace kwitola::ui {

namespace {

constexpr QSize kClientSize{460, 492};
constexpr QSize kPictureSize{720, 100};

} // namespace

TfOpcje::TfOpcje(common::FileDialogService& files, common::PrinterDialogService& printers,
                 QWidget* parent)
    : FixedDialog(QStringLiteral(" Ustawienia drukowania"), kClientSize, parent), m_files(files),
      m_printers(printers)
{
    setObjectName(QStringLiteral("TfOpcje"));
    buildControls();
    applyTabOrder();
    setSettings(Settings{});
}

void TfOpcje::buildControls()
{
    Button2 = makeControl<QPushButton>(client(), "Button2", {16, 16, 428, 28},
                                       QStringLiteral("Ustawienia drukarki"));
    b_logo = makeControl<QPushButton>(client(), "b_logo", {16, 56, 80, 24}, QStringLiteral("Logo"));
    Edit1 = makeControl<QLineEdit>(client(), "Edit1", {104, 56, 340, 24});
    Label1 = makeControl<QLabel>(client(), "Label1", {16, 92, 428, 16},
                                 QStringLiteral("Miejsce wystawienia"));
    Edit4 = makeControl<QLineEdit>(client(), "Edit4", {16, 110, 428, 24});
    CheckBox3 = makeControl<QCheckBox>(client(), "CheckBox3", {16, 144, 428, 20},
                                       QStringLiteral("miejsce wystawienia dokumentu ="));
    Label2 = makeControl<QLabel>(client(), "Label2", {36, 164, 408, 16},
                                 QStringLiteral("= siedziba Odbiorcy"));
    ScrollBox1 = makeControl<QScrollArea>(client(), "ScrollBox1", {16, 188, 428, 124});
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kPictureSize);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidget(Image1);
    Label3 = makeControl<QLabel>(client(), "Label3", {16, 318, 428, 16},
                                 QStringLiteral("Obrazek 720 x 100 pikseli"));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label4 = makeControl<QLabel>(client(), "Label4", {16, 334, 428, 16},
                                 QStringLiteral("( rozmiar wymagany przez program )"));
    CheckBox2 = makeControl<QCheckBox>(client(), "CheckBox2", {16, 358, 428, 20},
                                       QStringLiteral("podgląd przed drukowaniem"));
    CheckBox1 = makeControl<QCheckBox>(client(), "CheckBox1", {16, 382, 428, 20},
                                       QStringLiteral("automatyczna numeracja"));
    Label5 =
        makeControl<QLabel>(client(), "Label5", {16, 412, 84, 20}, QStringLiteral("Od numeru :"));
    Edit2 = makeControl<QLineEdit>(client(), "Edit2", {104, 410, 168, 24});
    Edit3 = makeControl<QLineEdit>(client(), "Edit3", {276, 410, 168, 24});
    b_OK = makeControl<QPushButton>(client(), "b_OK", {16, 446, 428, 30}, QStringLiteral("OK"));
    b_OK->setDefault(true);

    limitLength(*Edit1, 100);
    limitLength(*Edit2, 10);
    limitLength(*Edit3, 10);
    limitLength(*Edit4, 50);

    connect(Button2, &QPushButton::clicked, this, &TfOpcje::Button2Click);
    connect(b_logo, &QPushButton::clicked, this, &TfOpcje::b_logoClick);
    connect(b_OK, &QPushButton::clicked, this, &TfOpcje::b_OKClick);
}

void TfOpcje::applyTabOrder()
{
    QWidget* const order[] = {Button2, b_logo, Edit1, Edit4,      CheckBox2, CheckBox1,
                              Edit2,   Edit3,  b_OK,  ScrollBox1, CheckBox3};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

Settings TfOpcje::settings() const
{
    Settings s;
    s.automaticNumbering = CheckBox1->isChecked();
    s.logoPath = Edit1->text();
    s.numberPart = Edit2->text();
    s.numberSuffix = Edit3->text();
    s.previewBeforePrinting = CheckBox2->isChecked();
    s.placeOfIssue = Edit4->text();
    s.placeIsRecipientTown = CheckBox3->isChecked();
    return s;
}

void TfOpcje::setSettings(const kwitola::Settings& value)
{
    CheckBox1->setChecked(value.automaticNumbering);
    Edit1->setText(value.logoPath);
    Edit2->setText(value.numberPart);
    Edit3->setText(value.numberSuffix);
    CheckBox2->setChecked(value.previewBeforePrinting);
    Edit4->setText(value.placeOfIssue);
    CheckBox3->setChecked(value.placeIsRecipientTown);
}

QString TfOpcje::documentNumber() const
{
    return settings().documentNumber();
}

void TfOpcje::SaveConfig()
{
    Q_EMIT settingsChangeRequested(settings());
}

void TfOpcje::Button2Click()
{
    if (const auto printer = m_printers.choosePrinter(this, m_printerName)) {
        m_printerName = *printer;
    }
}

void TfOpcje::b_logoClick()
{
    const auto path =
        m_files.openFile(this, QStringLiteral("Logo"), QStringLiteral("Windows Bitmap (*.bmp)"));
    if (!path) {
        return;
    }
    Edit1->setText(*path);
    loadPreview(*path);
}

void TfOpcje::b_OKClick()
{
    SaveConfig();
    // The window closes even when the file could not be written, or a
    // folder that cannot be written to would keep the user here for good.
    m_closingByOk = true;
    accept();
    m_closingByOk = false;
}

void TfOpcje::loadPreview(const QString& path)
{
    // A file that is not a picture simply shows none.
    QImage picture;
    if (path.isEmpty() || !picture.load(path)) {
        Image1->clear();
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(picture));
}

void TfOpcje::showEvent(QShowEvent* event)
{
    const QString path = Edit1->text();
    loadPreview(path == QLatin1String("Edit1") ? QString() : path);
    FixedDialog::showEvent(event);
}

void TfOpcje::closeEvent(QCloseEvent* event)
{
    // Only "OK" closes the window.
    if (!m_closingByOk) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfOpcje::reject()
{
    // Escape does not close the window either.
}

} // namespace kwitola::ui

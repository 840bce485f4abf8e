#include "kwitola/ui/tfwitamy.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace kwitola::ui {

namespace {

constexpr QSize kSplashSize{366, 289};
const QColor kNavy{0, 0, 128};

} // namespace

QImage startPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient field(0, 0, 0, size.height());
    field.setColorAt(0, QColor(70, 110, 200));
    field.setColorAt(1, QColor(10, 20, 90));
    painter.fillRect(picture.rect(), field);

    // A sheet with ruled lines, like a document being written.
    const QRect sheet(size.width() / 2 - 60, 56, 120, 156);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 240));
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(150, 160, 200), 2));
    for (int y = sheet.top() + 24; y < sheet.bottom() - 12; y += 14) {
        painter.drawLine(sheet.left() + 12, y, sheet.right() - 12, y);
    }

    QFont title(QStringLiteral("Arial"), 26, QFont::Bold);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, sheet.bottom() + 8, size.width(), 40), Qt::AlignCenter,
                     QStringLiteral("Kwitola® 2.0"));
    return picture;
}

TfWitamy::TfWitamy(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfWitamy"));
    setFixedSize(kSplashSize);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
    Image1->setPixmap(QPixmap::fromImage(startPicture(kSplashSize)));

    Label1 = new QLabel(QStringLiteral("Wczytywanie programu ..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 10, 300, 20);
    QPalette labelColours = Label1->palette();
    labelColours.setColor(QPalette::WindowText, kNavy);
    labelColours.setColor(QPalette::Window, QColor(200, 215, 245));
    Label1->setPalette(labelColours);
    Label1->setAutoFillBackground(true);
    Label1->adjustSize();
}

void TfWitamy::showAndPaint()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    repaint();
    QApplication::processEvents();
}

} // namespace kwitola::ui

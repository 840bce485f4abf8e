#include "kwitola/ui/printpreview.h"

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kwitola::ui {

PodgladWydruku::PodgladWydruku(const common::Page& page, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PodgladWydruku"));
    setWindowTitle(QStringLiteral("Podgląd wydruku"));
    setModal(true);

    // One design unit per screen pixel: the page at its printed size.
    auto* sheet = new QLabel;
    sheet->setObjectName(QStringLiteral("strona"));
    sheet->setPixmap(QPixmap::fromImage(common::renderPageToImage(page, page.width)));
    sheet->setFrameShape(QFrame::Box);
    auto* scroll = new QScrollArea;
    scroll->setWidget(sheet);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);

    auto* close = new QPushButton(QStringLiteral("Zamknij"));
    close->setObjectName(QStringLiteral("b_zamknij"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addLayout(buttons);

    QSize size(page.width + 60, page.height + 80);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    resize(size);
}

void DialogPreviewService::preview(const common::Page& page, QWidget* parent)
{
    PodgladWydruku window(page, parent);
    window.exec();
}

} // namespace kwitola::ui

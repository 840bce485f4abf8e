#include "kwitola/ui/fixeddialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace kwitola::ui {

FixedDialog::FixedDialog(const QString& caption, QSize clientSize, QWidget* parent,
                         CaptionStyle style)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint)
{
    installCaption(*this, caption, style);
    if (!clientSize.isEmpty()) {
        m_client = new QWidget(this);
        m_client->setObjectName(QStringLiteral("client"));
        setFixedSize(clientSize.grownBy(contentsMargins()));
        m_client->setGeometry(contentsRect());
    }
    setModal(true);
}

void FixedDialog::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void FixedDialog::resizeEvent(QResizeEvent* event)
{
    if (m_client) {
        m_client->setGeometry(contentsRect());
    }
    QDialog::resizeEvent(event);
}

} // namespace kwitola::ui

#include "kwitola/ui/dottedlabel.h"

#include <QFontMetrics>

namespace kwitola::ui {

QString withDots(const QString& caption, int captionWidth, int dotWidth, int width)
{
    if (dotWidth <= 0 || captionWidth >= width) {
        return caption;
    }
    return caption + QString((width - captionWidth) / dotWidth, QLatin1Char('.'));
}

DottedLabel::DottedLabel(QString caption, QWidget* parent)
    : QLabel(caption, parent), m_caption(std::move(caption))
{}

void DottedLabel::resizeEvent(QResizeEvent* event)
{
    const QFontMetrics metrics(font());
    setText(withDots(m_caption, metrics.horizontalAdvance(m_caption),
                     metrics.horizontalAdvance(QLatin1Char('.')), width()));
    QLabel::resizeEvent(event);
}

} // namespace kwitola::ui

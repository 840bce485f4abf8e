#pragma once

#include <QLabel>

namespace kwitola::ui {

// A caption that runs on in dots to its right edge.
class DottedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit DottedLabel(QString caption, QWidget* parent = nullptr);
    [[nodiscard]] const QString& caption() const { return m_caption; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_caption;
};

// The caption followed by as many dots as fit into width pixels at the
// given width of one dot; the caption alone when it fills the width already.
QString withDots(const QString& caption, int captionWidth, int dotWidth, int width);

} // namespace kwitola::ui

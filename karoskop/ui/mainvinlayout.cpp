#include "karoskop/ui/mainvinlayout.h"

#include <algorithm>

namespace karoskop {

QRect buttonAroundCaption(const QRect& cell, int captionWidth, int padding)
{
    const int width = std::clamp(captionWidth + 2 * padding, 0, cell.width());
    // The caption is centred on the button: the same centre as the cell's,
    // rounded the way the button centres it.
    const int left = cell.left() + cell.width() / 2 - width / 2;
    return {left, cell.top(), width, cell.height()};
}

QSize clampedMainVinSize(QSize outer)
{
    return outer.expandedTo(kMainVinMinimumOuterSize);
}

MainVinGeometry mainVinLayout(QSize outer, QSize client, const MainVinMetrics& m)
{
    MainVinGeometry g;
    const int cw = client.width();
    const int ch = client.height();
    const int half = cw / 2 - 1;

    g.titleBand = QRect(0, m.titleBandTop, cw, m.titleBandHeight);
    g.footer = QRect(0, ch - 10 - m.footerHeight, cw, m.footerHeight);

    const int lowerTop = ch - m.footerHeight - m.buttonHeight - 22;
    const int upperTop = lowerTop - m.buttonHeight;
    g.startButton = QRect(0, upperTop, half, m.buttonHeight);
    g.lastButton = QRect(0, lowerTop, half, m.buttonHeight);
    g.decodeButton = QRect(half, upperTop, half, m.buttonHeight);
    g.closeButton = QRect(half, lowerTop, half, m.buttonHeight);

    const int textLeft = cw / 2 - 200;
    const int textWidth = std::max(cw - textLeft, 0);
    int top = outer.height() / 6;
    for (int i = 0; i < kInstructionLineCount; ++i) {
        if (i > 0) {
            top += i == kInstructionLineCount - 1 ? 26 : 16;
        }
        g.instructions[static_cast<std::size_t>(i)] =
            QRect(textLeft, top, textWidth, m.instructionHeight);
    }

    // Neighbouring fields share a border.
    const int rowTop = ch / 2 + 28;
    const int firstLeft = (outer.width() - kVinLength * m.field.width() + 8) / 2;
    for (int i = 0; i < kVinLength; ++i) {
        const int left = firstLeft + i * (m.field.width() - 1);
        g.fields[static_cast<std::size_t>(i)] = QRect(QPoint(left, rowTop), m.field);
        g.positionLabels[static_cast<std::size_t>(i)] =
            QRect(QPoint(left + 8, rowTop - 20), m.positionLabel);
    }

    const QRect& last = g.fields.back();
    g.aboutButton =
        QRect(QPoint(last.right() - m.aboutButton.width() + 1, g.instructions.front().top()),
              m.aboutButton);
    g.infoLabel = QRect(g.aboutButton.topLeft() + QPoint(20, 47), m.infoLabel);
    return g;
}

} // namespace karoskop

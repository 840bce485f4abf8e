#pragma once

#include "karoskop/core/vin.h"

#include <QRect>
#include <QSize>
#include <array>

namespace karoskop {

inline constexpr QSize kMainVinMinimumOuterSize{424, 372};
inline constexpr int kInstructionLineCount = 6;

// What the main window's layout needs to know besides its size.
struct MainVinMetrics
{
    QSize field{25, 28};
    int buttonHeight = 29;
    int footerHeight = 16;
    int titleBandTop = 6;
    int titleBandHeight = 48;
    int instructionHeight = 16;
    QSize aboutButton{64, 45};
    QSize infoLabel{28, 16};
    QSize positionLabel{16, 16};
};

// Where every control of the main window goes.
struct MainVinGeometry
{
    QRect titleBand;
    QRect footer;
    QRect startButton;  // "Start wpisywania"
    QRect lastButton;   // "Ostatni numer"
    QRect decodeButton; // "Rozkodowanie"
    QRect closeButton;  // "Zakończenie działania programu"
    std::array<QRect, kInstructionLineCount> instructions;
    std::array<QRect, kVinLength> fields;
    std::array<QRect, kVinLength> positionLabels;
    QRect aboutButton;
    QRect infoLabel;
};

// Room left and right of a text button's caption, inside its frame.
inline constexpr int kCaptionPadding = 6;

// A text button within its layout cell: as wide as its caption and the
// padding on each side (never wider than the cell), centred in the cell at
// the cell's height, so that the frame shown under the mouse follows the
// caption; the caption stands where it would in the whole cell.
QRect buttonAroundCaption(const QRect& cell, int captionWidth, int padding = kCaptionPadding);

// The outer size the window is held to: never below the minimum.
QSize clampedMainVinSize(QSize outer);

// The layout for a window of the given outer size and client size.
MainVinGeometry mainVinLayout(QSize outer, QSize client, const MainVinMetrics& metrics);

} // namespace karoskop

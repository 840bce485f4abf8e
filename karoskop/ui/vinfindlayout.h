#pragma once

#include "karoskop/core/descriptionrows.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace karoskop {

inline constexpr QSize kVinFindMinimumOuterSize{644, 460};
inline constexpr QSize kVinFindRunSize{644, 460};
// The description's rows under the full number.
inline constexpr int kDescriptionRowCount = static_cast<int>(kListedRows.size());
inline constexpr int kProductionYearRow = 4;
inline constexpr int kCommentLineCount = 3;

// The sizes of the window's texts, which the layout places by their ends.
struct VinFindMetrics
{
    std::array<int, kDescriptionRowCount> captionWidths{};
    int commentsCaptionWidth = 0; // the comment lines' caption
    int fullVinCaptionWidth = 0;  // the full number's caption
    int listCaptionWidth = 0;     // the vehicle-type list's caption
    int rowHeight = 16;
    QSize listSize{200, 22};
    QSize errorMarker{110, 16}; // "Błąd w roczniku"
    int buttonHeight = 29;
    int footerHeight = 16;
};

struct VinFindGeometry
{
    std::array<QPoint, kDescriptionRowCount> captions; // top-left of each caption
    std::array<QPoint, kDescriptionRowCount> values;
    QPoint commentsCaption;
    std::array<QPoint, kCommentLineCount> comments;
    QPoint fullVinCaption;
    QPoint fullVin;
    QPoint listCaption;
    QRect list;
    QRect errorMarker;
    std::array<QRect, 3> buttons; // print, check digit, back
    QRect footer;
};

QSize clampedVinFindSize(QSize outer);

VinFindGeometry vinFindLayout(QSize outer, QSize client, const VinFindMetrics& metrics);

} // namespace karoskop

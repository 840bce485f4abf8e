#pragma once

#include <QLineEdit>

namespace karoskop {

// One VIN position: what is typed shows in capitals and at most one
// character can be typed. A longer text set by the program (a longer line of
// the last-number file) is kept whole.
class PositionField final : public QLineEdit
{
    Q_OBJECT
public:
    explicit PositionField(QWidget* parent = nullptr);
};

} // namespace karoskop

#pragma once

#include <QWidget>

namespace karoskop {

// The print form of a vehicle description.
class TfDruk final : public QWidget
{
    Q_OBJECT
public:
    explicit TfDruk(QWidget* parent = nullptr);
};

} // namespace karoskop

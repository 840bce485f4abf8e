#pragma once

#include <QDialog>

namespace karoskop {

// The position-choice window of emergency decoding, shown modally.
class TfAwaria final : public QDialog
{
    Q_OBJECT
public:
    explicit TfAwaria(QWidget* parent = nullptr);

    // Emergency decoding of the last number: lets the user choose the
    // positions to decode from.
    void bezTrzechPierwszych();
};

} // namespace karoskop

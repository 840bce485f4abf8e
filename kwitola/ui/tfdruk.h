#pragma once

#include <QDialog>

namespace kwitola::ui {

// The print form that holds the printed document; never shown on screen.
class TfDruk final : public QDialog
{
    Q_OBJECT

public:
    explicit TfDruk(QWidget* parent = nullptr);
};

} // namespace kwitola::ui

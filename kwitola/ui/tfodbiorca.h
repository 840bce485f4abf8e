#pragma once

#include <QDialog>

namespace kwitola::ui {

// The recipient card, where the user enters and corrects customers.
class TfOdbiorca final : public QDialog
{
    Q_OBJECT

public:
    explicit TfOdbiorca(QWidget* parent = nullptr);
};

} // namespace kwitola::ui

#pragma once

#include <QDialog>

namespace kwitola::ui {

// The issuer card, where the user enters and corrects own companies.
class TfWystawca final : public QDialog
{
    Q_OBJECT

public:
    explicit TfWystawca(QWidget* parent = nullptr);
};

} // namespace kwitola::ui

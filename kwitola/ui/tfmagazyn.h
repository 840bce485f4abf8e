#pragma once

#include <QDialog>

namespace kwitola::ui {

// The stock card, where the user enters and corrects goods.
class TfMagazyn final : public QDialog
{
    Q_OBJECT

public:
    explicit TfMagazyn(QWidget* parent = nullptr);
};

} // namespace kwitola::ui

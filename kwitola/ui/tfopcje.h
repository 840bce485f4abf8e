#pragma once

#include "kwitola/core/settingsfile.h"
#include "kwitola/ui/fixeddialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace common {
class FileDialogService;
class PrinterDialogService;
} // namespace common

namespace kwitola::ui {

// The print settings window. It shows a copy of the program's settings and
// hands the edited value back on OK; it never owns them.
class TfOpcje final : public FixedDialog
{
    Q_OBJECT

public:
    TfOpcje(common::FileDialogService& files, common::PrinterDialogService& printers,
            QWidget* parent = nullptr);

    // The value the controls hold now, edited or not.
    [[nodiscard]] Settings settings() const;
    // Shows value in the controls.
    void setSettings(const kwitola::Settings& value);
    // The number part followed by its suffix.
    [[nodiscard]] QString documentNumber() const;
    // The printer chosen with "Ustawienia drukarki"; empty: the default one.
    [[nodiscard]] const QString& printerName() const { return m_printerName; }

    // Hands the settings in the controls to the program, which saves them
    // and shows the result in every window.
    void SaveConfig();

Q_SIGNALS:
    void settingsChangeRequested(const kwitola::Settings& value);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void applyTabOrder();
    void Button2Click();
    void b_logoClick();
    void b_OKClick();
    void loadPreview(const QString& path);

    common::FileDialogService& m_files;
    common::PrinterDialogService& m_printers;
    QString m_printerName;
    bool m_closingByOk = false;

    QPushButton* Button2 = nullptr;
    QPushButton* b_logo = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QLabel* Label2 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* b_OK = nullptr;
};

} // namespace kwitola::ui

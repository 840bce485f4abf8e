#pragma once

#include "kwitola/core/settingsfile.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace common {
class FileDialogService;
class MessageService;
class PrinterDialogService;
} // namespace common

namespace kwitola::ui {

// The print settings window. Its controls are the live settings: printing
// and numbering read them from here, saved or not.
class TfOpcje final : public QDialog
{
    Q_OBJECT

public:
    TfOpcje(common::MessageService& messages, common::FileDialogService& files,
            common::PrinterDialogService& printers, QString settingsPath,
            QWidget* parent = nullptr);

    [[nodiscard]] Settings settings() const;
    void setSettings(const Settings& settings);
    // The number part followed by its suffix.
    [[nodiscard]] QString documentNumber() const;
    // The printer chosen with "Ustawienia drukarki"; empty: the default one.
    [[nodiscard]] const QString& printerName() const { return m_printerName; }
    [[nodiscard]] const QString& settingsPath() const { return m_settingsPath; }

    // Writes the settings file from the controls and announces the document
    // number. A failed write is reported; the controls keep what was typed.
    bool SaveConfig();

Q_SIGNALS:
    // After every SaveConfig: the number the main window is to show.
    void documentNumberSaved(const QString& number);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void applyTabOrder();
    void Button2Click();
    void b_logoClick();
    void b_OKClick();
    void loadPreview(const QString& path);

    common::MessageService& m_messages;
    common::FileDialogService& m_files;
    common::PrinterDialogService& m_printers;
    QString m_settingsPath;
    QString m_printerName;
    QWidget* m_client = nullptr;
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

#pragma once

#include "karoskop/core/vin.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace common {
class TTransparentButton;
class MessageService;
struct Message;
} // namespace common

namespace karoskop {

class PositionField;
class TfAbout;
class TfAwaria;
class TfVinFind;
struct EntryRefusal;

// The main window: the seventeen position fields and the submit.
class TfMainVin final : public QWidget
{
    Q_OBJECT
public:
    // folder is the working folder that holds the last-number file.
    TfMainVin(common::MessageService& messages, QString folder, QWidget* parent = nullptr);

    void setResultWindow(TfVinFind* result) { m_result = result; }
    void setAboutBox(TfAbout* about) { m_about = about; }
    void setEmergencyWindow(TfAwaria* awaria) { m_awaria = awaria; }

    // The texts of fields 1..17.
    Vin fieldTexts() const;
    // Puts the focus into field 1..17.
    void focusField(int position);
    PositionField* field(int position) const;

    // The lines of the information text, up to the first empty one.
    QStringList informationLines() const;

Q_SIGNALS:
    // The window was closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void applyLayout();
    void fieldChanged(int position);

    void startClicked();        // "Start wpisywania"
    void lastNumberClicked();   // "Ostatni numer"
    void rozkodowanieClicked(); // submit
    void aboutClicked();

    void showRefusal(const EntryRefusal& refusal);
    void showError(const QString& text);
    void offerEmergencyDecoding();

    common::MessageService& m_messages;
    QString m_folder;
    TfVinFind* m_result = nullptr;
    TfAbout* m_about = nullptr;
    TfAwaria* m_awaria = nullptr;

    // The hidden information text that feeds the about box's list.
    const QString m_informationText;
    bool m_shownBefore = false;

    QFrame* m_titleBand = nullptr;
    QLabel* m_title = nullptr;
    std::array<QLabel*, 6> m_instructions{};
    QPushButton* b_about = nullptr;
    QLabel* m_infoLabel = nullptr;
    std::array<QLabel*, kVinLength> m_positionLabels{};
    std::array<PositionField*, kVinLength> m_fields{};
    common::TTransparentButton* b_start = nullptr;
    common::TTransparentButton* b_rozkodowanie = nullptr;
    common::TTransparentButton* b_ostatni = nullptr;
    common::TTransparentButton* b_zamknij = nullptr;
    QLabel* m_footer = nullptr;
};

} // namespace karoskop

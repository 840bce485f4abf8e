#pragma once

#include "karoskop/core/vehicledescription.h"
#include "karoskop/ui/vinfindlayout.h"

#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;

namespace common {
class TTransparentButton;
class MessageService;
} // namespace common

namespace karoskop {

class Decoder;

// The result window: the description of the decoder's last run.
class TfVinFind final : public QWidget
{
    Q_OBJECT
public:
    TfVinFind(common::MessageService& messages, Decoder& decoder, QString folder,
              QWidget* parent = nullptr);

    // One whole decoding run on the number in the last-number file; the
    // window then shows its description. Never reports a failure.
    void rozkodowanieVin();
    // Shows the decoder's last run: its description, and the way back that
    // its emergency stage gives.
    void showRun();
    // An emergency decoding is done: shows it, and asks for a model as
    // after a normal run.
    void showEmergencyRun();
    // The emergency decoding was cancelled: back to the number.
    void closeAfterCancel();
    // Several types fit: says so, centred over this window once it is on
    // screen, and puts the focus on the list to pick from.
    void askForModelChoice();

    // Writes a description into the window's fields, or reads them back.
    void showDescription(const VehicleDescription& description);
    VehicleDescription description() const;

    // How long the window keeps its place before the model question comes.
    static constexpr int kSettleMilliseconds = 150;
    // A run found several types and the user has not been asked yet.
    bool modelQuestionPending() const { return m_modelQuestionPending; }

    // Empties the vehicle-type list.
    void clearModels();

    // Brings the window to the front, maximised.
    void present();

Q_SIGNALS:
    // "Drukowanie": print the description shown.
    void printRequested(const VehicleDescription& description);
    // The back button after an emergency decoding: the position choice again.
    void positionChoiceRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void applyLayout();
    void powrotClicked();
    void modelChosen(); // the user picked an entry of the vehicle-type list
    void drukClicked();
    // After an emergency decoding the back button returns to the position
    // choice ("Powrót do wyboru znaków") instead of to the main window.
    void showBackCaption();
    // Asks the pending model question once the window is on screen and has
    // kept its place and size for kSettleMilliseconds.
    void askWhenOnScreen();
    void askIfSettled();

    common::MessageService& m_messages;
    Decoder& m_decoder;
    QString m_folder;

    std::array<QLabel*, kDescriptionRowCount> m_captions{};
    std::array<QLabel*, kDescriptionRowCount> m_values{}; // Label1 .. Label13
    QLabel* m_commentsCaption = nullptr;
    std::array<QLabel*, 3> m_comments{}; // Label140, Label150, Label160
    QLabel* m_fullVinCaption = nullptr;
    QLabel* m_fullVin = nullptr;
    QLabel* m_listCaption = nullptr;
    QComboBox* m_models = nullptr;
    QLabel* m_yearError = nullptr;
    common::TTransparentButton* m_printButton = nullptr;
    common::TTransparentButton* m_checkButton = nullptr;
    common::TTransparentButton* m_backButton = nullptr;
    QLabel* m_footer = nullptr;
    // The last run found several types and the user has not been asked yet.
    bool m_modelQuestionPending = false;
    QTimer m_settleTimer;
};

} // namespace karoskop

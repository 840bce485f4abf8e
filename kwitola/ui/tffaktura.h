#pragma once

#include "kwitola/core/documentheader.h"
#include "kwitola/core/parties.h"
#include "kwitola/core/printjob.h"
#include "kwitola/core/settingsfile.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/ui/fakturacontrols.h"
#include "kwitola/ui/services.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kwitola {
struct DocumentKind;
class SalesDocument;
class SingleInstance;
} // namespace kwitola

namespace kwitola::ui {

class DateEdits;
class DocumentPanel;
class DottedLabel;
class FocusColours;
class GoodsButtons;
class NumberingPanel;
class PartyPanel;
struct MainLayout;

// The main window: the document kind and number, the parties, the document
// lines and the print buttons. It owns the tables for the whole run and opens
// the other windows from here.
class TfFaktura final : public QWidget
{
    Q_OBJECT

public:
    explicit TfFaktura(const Services& services, QWidget* parent = nullptr);
    ~TfFaktura() override;

    // Shows the window over the whole screen, also where no window manager
    // maximises it.
    void showMaximizedOnScreen();

    // Asks the program to read faktura.kfx again; the value comes back
    // through showSettings.
    void LoadConfig();
    // The program's settings as last handed to this window.
    [[nodiscard]] const Settings& settings() const { return m_settings; }
    // Takes the settings that now hold and shows their document number.
    void showSettings(const kwitola::Settings& value);
    // Fills the goods list from magazyn.db.
    void WczytajListeTowarow();
    // Apply the current choice of each list.
    void lista_wystawcowChange();
    void lista_odbiorcowChange();
    void lista_towarowChange();

    // The parties and goods chosen now; nothing until a choice was found.
    [[nodiscard]] const Parties& parties() const;
    [[nodiscard]] const std::optional<Issuer>& issuer() const;
    [[nodiscard]] const std::optional<Recipient>& recipient() const;
    [[nodiscard]] const std::optional<Goods>& goods() const;
    // The document being written, for printing and posting.
    [[nodiscard]] const SalesDocument& document() const;
    // Refills the goods list and chooses the entry, after the stock card saved.
    void chooseGoods(const QString& entry);
    // Advances the document number by one.
    void DodajNumer();
    // The kind chosen in `Druk` and the number shown in `Edit6`, which the
    // user may have typed over.
    [[nodiscard]] const DocumentKind& documentKind() const;
    [[nodiscard]] QString documentNumberText() const;
    // The dates, the way of payment and the number, as the window shows them.
    [[nodiscard]] const DocumentHeader& header() const { return m_header; }
    // What a print reads from this window besides the document: the header
    // and both party entries.
    [[nodiscard]] DocumentFields documentFields(const QString& printerName) const;
    // The start-up, which the program runs when the window is first shown: a
    // second copy is told and ends; otherwise, with the settings in hand, the
    // tables are opened and the lists filled.
    [[nodiscard]] bool refuseSecondCopy();
    void startUp();
    // True once the start-up step has opened the tables and filled the lists.
    [[nodiscard]] bool isStarted() const { return m_started; }
    // The party lists, for the cards' wiring.
    [[nodiscard]] PartyPanel& partyPanel() const { return *m_parties; }
    // The goods buttons, for the stock card's wiring.
    [[nodiscard]] GoodsButtons& goodsButtons() const { return *m_goodsButtons; }
    // "Drukuj 1egz.", "Drukuj 2egz." and "Drukuj 3egz.", for the print wiring.
    [[nodiscard]] std::array<QPushButton*, 3> printButtons() const;

Q_SIGNALS:
    // The window is shown for the first time: the program runs its start-up.
    void startUpWanted();
    // The program is to end: the user confirmed closing, or another copy
    // already runs.
    void programEnded();
    // "Opcje": the print settings window is to open.
    void optionsWanted();
    // The settings are to be read from faktura.kfx.
    void settingsLoadRequested();
    // The settings are to change to value (a number step, for example); the
    // program saves them and hands the result to showSettings.
    void settingsChangeRequested(const kwitola::Settings& value);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildNumber();
    void buildLists();
    void buildSearch();
    void buildDetails();
    void buildDates();
    void buildPayment();
    void buildCurrentLine();
    void buildLineList();
    void buildBottomRow();
    void watchFocusColours();
    void buildColours();
    void applyTabOrder();
    void connectHandlers();
    void connectHeader();
    void applyLayout();
    void placeDetailValues();

    void resetDocument();
    bool openTables();
    void showError(const QString& text);

    Services m_services;
    QWidget* m_client = nullptr;
    std::unique_ptr<SingleInstance> m_instance;
    FocusColours* m_focusColours = nullptr;
    DateEdits* m_dateEdits = nullptr;
    PartyPanel* m_parties = nullptr;
    bool m_startUpRun = false;
    bool m_started = false;
    bool m_ending = false;
    Settings m_settings;
    DocumentHeader m_header;

    DocumentPanel* m_documentPanel = nullptr;
    NumberingPanel* m_numbering = nullptr;
    GoodsButtons* m_goodsButtons = nullptr;

    // The controls each panel works; the goods list belongs to the line
    // controls and the goods buttons alike.
    NumberingControls m_numberControls;
    PartyControls m_partyControls;
    DocumentControls m_lineControls;
    GoodsControls m_goodsControls;
    // Label3, Label12, Label14, Label15, Label19, Label20; the values over
    // them are the party controls' details.
    std::array<DottedLabel*, 6> m_detailCaptions{};
    QLabel* Label9 = nullptr;
    QLabel* wydania = nullptr;
    QLabel* Label13 = nullptr;
    // Edit8 to Edit16.
    std::array<QLineEdit*, 9> m_dates{};
    QComboBox* ComboBox2 = nullptr;
    // Label6/Edit7, Label7/Edit1, Label8/Edit2, Label10/Edit3, Label16/Edit4.
    std::array<QLabel*, 5> m_lineCaptions{};
    // Label22 to Label25 over Memo1 to Memo4.
    std::array<QLabel*, 4> m_columnTitles{};
    QLabel* Label4 = nullptr;
    QLabel* Label17 = nullptr;
    // Button1, Button2, Button3, b_opcje, b_zamknij.
    std::array<QPushButton*, 5> m_bottomRow{};
};

} // namespace kwitola::ui

#pragma once

#include "kwitola/register/core/registerlist.h"
#include "kwitola/register/core/registerpage.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace common {
class Clock;
class FileDialogService;
class MessageService;
class PrintService;
enum class MessageIcon;
} // namespace common

namespace kwitola::registry {

class RegisterModel;

// What the register's window asks the system through.
struct RegisterServices
{
    common::MessageService& messages;
    common::PrintService& printer;
    common::FileDialogService& files;
    const common::Clock& clock;
};

// The register's window: the posted documents with their filters, the count
// and gross sum of what is shown, the chosen document's page with its
// duplicate (printed or saved as PDF), and the month's sales ledger export.
class RegisterWindow final : public QWidget
{
    Q_OBJECT

public:
    RegisterWindow(QString folder, const RegisterServices& services, QWidget* parent = nullptr);
    ~RegisterWindow() override;

    // Reads the tables again; a failure is shown and the list stays empty.
    bool reload();

    // The buttons' actions.
    void printDuplicate();
    void saveDuplicate();
    void exportLedger(bool pdf);

private:
    QLayout* buildFilters();
    QLayout* buildActions();
    void buildControls();
    void applyFilter();
    void showSummary();
    void showPage();
    void fillMonths();
    void tell(const QString& text, common::MessageIcon icon);

    QString m_folder;
    RegisterServices m_services;
    RegisterList m_list;
    std::optional<RegisterPage> m_shown;
    RegisterModel* m_model = nullptr;
    QComboBox* m_month = nullptr;
    QLineEdit* m_recipient = nullptr;
    QLineEdit* m_number = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_pageNote = nullptr;
    QLabel* m_page = nullptr;
    QPushButton* m_printDuplicate = nullptr;
    QPushButton* m_saveDuplicate = nullptr;
    QComboBox* m_ledgerMonth = nullptr;
    QPushButton* m_exportCsv = nullptr;
    QPushButton* m_exportPdf = nullptr;
};

} // namespace kwitola::registry

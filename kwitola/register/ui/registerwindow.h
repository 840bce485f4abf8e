#pragma once

#include "kwitola/register/core/registerlist.h"
#include "kwitola/register/core/registertables.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace common {
class MessageService;
}

namespace kwitola::registry {

class RegisterModel;

// The register's window: the posted documents with their filters, the count
// and gross sum of what is shown, and the chosen document's page.
class RegisterWindow final : public QWidget
{
    Q_OBJECT

public:
    RegisterWindow(QString folder, common::MessageService& messages, QWidget* parent = nullptr);
    ~RegisterWindow() override;

    // Reads the tables again; a failure is shown and the list stays empty.
    bool reload();

private:
    void buildControls();
    void applyFilter();
    void showSummary();
    void showPage();
    void fillMonths();

    QString m_folder;
    common::MessageService& m_messages;
    PostedTables m_tables;
    RegisterList m_list;
    RegisterModel* m_model = nullptr;
    QComboBox* m_month = nullptr;
    QLineEdit* m_recipient = nullptr;
    QLineEdit* m_number = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_pageNote = nullptr;
    QLabel* m_page = nullptr;
};

} // namespace kwitola::registry

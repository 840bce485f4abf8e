#pragma once

#include "common/core/pagemodel.h"
#include "kwitola/core/printjob.h"

#include <QObject>
#include <functional>
#include <optional>

class QPushButton;
class QWidget;

namespace common {
class MessageService;
class PrintService;
} // namespace common

namespace kwitola {
class TableStore;
}

namespace kwitola::ui {

class PreviewService;
class TfDruk;

// What the print commands work with.
struct PrintCollaborators
{
    common::MessageService& messages;
    common::PrintService& printer;
    PreviewService& preview;
    TableStore& store;
    TfDruk& form;
};

// The three print commands of the main window: check the document, fill the
// print form, preview it when asked, confirm, print the copies, then post the
// document and ask for the number to advance.
class PrintController final : public QObject
{
    Q_OBJECT

public:
    using JobSource = std::function<PrintJob()>;

    // window: the main window, over which messages and the preview show.
    PrintController(const PrintCollaborators& collaborators, QWidget& window, JobSource source);

    // Connects "Drukuj 1egz.", "Drukuj 2egz." and "Drukuj 3egz.".
    void connectButtons(QPushButton& one, QPushButton& two, QPushButton& three);

    void Button1Click() { print(1); }
    void Button2Click() { print(2); }
    void Button3Click() { print(3); }
    void print(int copies);

Q_SIGNALS:
    // A VAT invoice or simplified bill went through posting with automatic
    // numbering on: the counter is to advance (also after a failed posting,
    // since the paper carries the number).
    void DodajNumer();

private:
    // Posts the printed document with the original copy's page kept in the
    // archive, both or neither. An earlier posting of the number with
    // another issue date is replaced only when the user agrees; false when
    // the user declined, so that the counter stays. A posting that failed
    // has been reported and answers true: the paper carries the number.
    bool post(PostingRequest request, const common::Page& original);
    // Prints the copies and answers the original's page; nothing (after
    // telling the user) when they did not print.
    std::optional<common::Page> printCopies(const PrintJob& job, int copies);
    common::MessageService& m_messages;
    common::PrintService& m_printer;
    PreviewService& m_preview;
    TableStore& m_store;
    TfDruk& m_form;
    QWidget& m_window;
    JobSource m_source;
};

} // namespace kwitola::ui

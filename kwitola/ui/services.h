#pragma once

#include "common/seams/messageservice.h"
#include "kwitola/ui/programmessages.h"

#include <QString>

namespace common {
class Clock;
class FileDialogService;
class PrintService;
class PrinterDialogService;
} // namespace common

namespace kwitola {
class TableStore;
}

namespace kwitola::ui {

class PreviewService;

// What Kwitola's windows work with. The program hands in the real services;
// tests hand in doubles and a temporary working folder.
struct Services
{
    common::MessageService& messages;
    const common::Clock& clock;
    common::FileDialogService& files;
    common::PrinterDialogService& printers;
    // Where the print commands send their pages, and the preview they show
    // first.
    common::PrintService& printer;
    PreviewService& preview;
    TableStore& store;
    // The working folder: the tables and faktura.kfx live here.
    QString folder;
    // The file that keeps a second copy of the program from starting.
    QString instanceLockPath;
};

} // namespace kwitola::ui

#pragma once

// Declares the services windows are handed, for headers that only hold
// references to them.
namespace common {
class FileDialogService;
class MessageService;
class PrintService;
class PrinterDialogService;
struct Message;
} // namespace common

#pragma once

#include "common/seams/messageservice.h"

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace common {

struct Page;

// What became of a print job.
struct PrintOutcome
{
    enum class Status { Printed, SavedAsPdf, Failed };

    Status status = Status::Printed;
    // Printed: the printer's name; SavedAsPdf: the file's absolute path;
    // Failed: a message for the user.
    QString detail;
};

// What the user is told after a print: nothing once it printed, else the
// text and icon of a message. savedText (an information) takes the file's
// path in the system's separators as %1, failedText (an exclamation) the
// reason of the failure.
struct PrintNotice
{
    QString text;
    MessageIcon icon = MessageIcon::None;
};

std::optional<PrintNotice> printNotice(const PrintOutcome& outcome, const QString& savedText,
                                       const QString& failedText);

// Prints page models. Windows hand their pages to this and never open a
// printer themselves.
class PrintService
{
public:
    virtual ~PrintService() = default;
    // Prints the pages, one sheet each, on the default printer without a
    // dialog. documentName names the job (and the file, when one is written).
    virtual PrintOutcome printPages(const std::vector<Page>& pages, const QString& documentName);
    // The same on the named printer; an empty name, or one that names no
    // printer, means the default printer.
    virtual PrintOutcome printPagesOn(const std::vector<Page>& pages, const QString& documentName,
                                      const QString& printerName) = 0;
};

// The production service: the system's default printer; when the system has
// none, a PDF file in pdfFolder (relative to the working directory).
class SystemPrintService final : public PrintService
{
public:
    enum class Printers { System, None };

    explicit SystemPrintService(QString pdfFolder = QStringLiteral("wydruki"),
                                Printers printers = Printers::System);

    PrintOutcome printPagesOn(const std::vector<Page>& pages, const QString& documentName,
                              const QString& printerName) override;

private:
    PrintOutcome saveAsPdf(const std::vector<Page>& pages, const QString& documentName) const;

    QString m_pdfFolder;
    Printers m_printers;
};

// The paper a job is printed on: the printer's default paper when the pages
// ask for it and the printer names a valid one, otherwise A4.
[[nodiscard]] QPageSize jobPaper(const std::vector<Page>& pages, const QPageSize& printerDefault);

// Where a page is drawn on a sheet of sheetUnits (design units) on a device
// of pixelsPerUnit: at its design size from the sheet's top-left corner, as
// laid out; smaller, keeping its proportions, only when what it shows would
// run off the sheet.
[[nodiscard]] QRectF sheetTarget(const Page& page, const QSizeF& sheetUnits, qreal pixelsPerUnit);

// A path in folder for a new PDF of the document: "<name>.pdf", or
// "<name>-2.pdf", "<name>-3.pdf" ... when the earlier ones exist, so that no
// earlier printout is overwritten. Characters unsafe in a file name become "_".
QString freePdfPath(const QString& folder, const QString& documentName);

} // namespace common

#include "common/seams/printservice.h"

#include "common/core/filenames.h"
#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <utility>

namespace common {

std::optional<PrintNotice> printNotice(const PrintOutcome& outcome, const QString& savedText,
                                       const QString& failedText)
{
    switch (outcome.status) {
    case PrintOutcome::Status::Printed:
        break;
    case PrintOutcome::Status::SavedAsPdf:
        return PrintNotice{savedText.arg(QDir::toNativeSeparators(outcome.detail)),
                           MessageIcon::Information};
    case PrintOutcome::Status::Failed:
        return PrintNotice{failedText.arg(outcome.detail), MessageIcon::Exclamation};
    }
    return std::nullopt;
}
namespace {

PrintOutcome failed(const QString& why)
{
    return {PrintOutcome::Status::Failed, why};
}

} // namespace

QPageSize jobPaper(const std::vector<Page>& pages, const QPageSize& printerDefault)
{
    const bool printersOwn = std::any_of(pages.cbegin(), pages.cend(), [](const Page& page) {
        return page.paper == Paper::PrinterDefault;
    });
    return printersOwn && printerDefault.isValid() ? printerDefault : QPageSize(QPageSize::A4);
}

QRectF sheetTarget(const Page& page, const QSizeF& sheetUnits, qreal pixelsPerUnit)
{
    // What the page shows reaches to the far edges of its elements.
    qreal right = 0;
    qreal bottom = 0;
    for (const PageElement& e : page.elements) {
        right = std::max(right, static_cast<qreal>(e.rect.left() + e.rect.width()));
        bottom = std::max(bottom, static_cast<qreal>(e.rect.top() + e.rect.height()));
    }
    qreal scale = 1;
    if (right > sheetUnits.width()) {
        scale = std::min(scale, sheetUnits.width() / right);
    }
    if (bottom > sheetUnits.height()) {
        scale = std::min(scale, sheetUnits.height() / bottom);
    }
    const qreal perUnit = pixelsPerUnit * scale;
    return {0, 0, page.width * perUnit, page.height * perUnit};
}

QString freePdfPath(const QString& folder, const QString& documentName)
{
    const QDir dir(QDir::current().absoluteFilePath(folder));
    const QString base = safeFileName(documentName);
    QString path = dir.absoluteFilePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = dir.absoluteFilePath(QStringLiteral("%1-%2.pdf").arg(base).arg(n));
    }
    return path;
}

PrintOutcome PrintService::printPages(const std::vector<Page>& pages, const QString& documentName)
{
    return printPagesOn(pages, documentName, QString());
}

SystemPrintService::SystemPrintService(QString pdfFolder, Printers printers)
    : m_pdfFolder(std::move(pdfFolder)), m_printers(printers)
{}

PrintOutcome SystemPrintService::printPagesOn(const std::vector<Page>& pages,
                                              const QString& documentName,
                                              const QString& printerName)
{
    QPrinterInfo info;
    if (m_printers == Printers::System) {
        info = printerName.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(printerName);
        if (info.isNull()) {
            info = QPrinterInfo::defaultPrinter();
        }
    }
    if (info.isNull()) {
        return saveAsPdf(pages, documentName);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setFullPage(true);
    const QPageSize paper = jobPaper(pages, info.defaultPageSize());
    printer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    // The sheet in design units, and the printer's pixels per unit.
    const QSizeF sheetUnits = paper.size(QPageSize::Inch) * kUnitsPerInch;
    const qreal pixelsPerUnit = static_cast<qreal>(printer.resolution()) / kUnitsPerInch;
    QPainter painter;
    if (!painter.begin(&printer)) {
        return failed(QStringLiteral("Nie można rozpocząć drukowania na drukarce %1.")
                          .arg(info.printerName()));
    }
    bool first = true;
    for (const Page& page : pages) {
        if (!first) {
            printer.newPage();
        }
        first = false;
        renderPage(page, painter, sheetTarget(page, sheetUnits, pixelsPerUnit));
    }
    if (!painter.end()) {
        return failed(
            QStringLiteral("Drukowanie na drukarce %1 nie powiodło się.").arg(info.printerName()));
    }
    return {PrintOutcome::Status::Printed, info.printerName()};
}

PrintOutcome SystemPrintService::saveAsPdf(const std::vector<Page>& pages,
                                           const QString& documentName) const
{
    const QString path = freePdfPath(m_pdfFolder, documentName);
    if (const auto written = writePdf(pages, path); !written) {
        return failed(written.error());
    }
    return {PrintOutcome::Status::SavedAsPdf, path};
}

} // namespace common

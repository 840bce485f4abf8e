#include "common/seams/printservice.h"

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

namespace common {
namespace {

QString safeFileName(const QString& name)
{
    QString safe;
    for (const QChar c : name) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('-') || c == QLatin1Char('_');
        safe.append(plain ? c : QLatin1Char('_'));
    }
    return safe.isEmpty() ? QStringLiteral("wydruk") : safe;
}

PrintOutcome failed(const QString& why)
{
    return {PrintOutcome::Status::Failed, why};
}

} // namespace

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

SystemPrintService::SystemPrintService(QString pdfFolder, Printers printers)
    : m_pdfFolder(std::move(pdfFolder)), m_printers(printers)
{}

PrintOutcome SystemPrintService::printPages(const std::vector<Page>& pages,
                                            const QString& documentName)
{
    return printPagesOn(pages, documentName, QString());
}

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
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
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
        renderPage(page, painter, printer.paperRect(QPrinter::DevicePixel));
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
    if (const std::optional<QString> error = writePdf(pages, path)) {
        return failed(*error);
    }
    return {PrintOutcome::Status::SavedAsPdf, path};
}

} // namespace common

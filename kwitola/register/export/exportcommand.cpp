#include "kwitola/register/export/exportcommand.h"

#include "kwitola/register/core/ledgercsv.h"
#include "kwitola/register/core/ledgerpages.h"
#include "kwitola/register/core/ledgerread.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/core/registertables.h"
#include "kwitola/register/export/tablepdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <array>
#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kwitola::registry {

namespace {

const QString kUsage = QStringLiteral(
    "Użycie: kwitola-rejestr --eksport RRRR-MM --csv PLIK\n"
    "        kwitola-rejestr --eksport RRRR-MM --pdf PLIK\n"
    "Zapisuje rejestr sprzedaży miesiąca (według daty wystawienia) z tabel programu\n"
    "Kwitola jako plik CSV dla arkusza kalkulacyjnego lub jako wydruk PDF.\n"
    "Bez argumentów otwiera okno rejestru dokumentów.\n");

struct ValueOption
{
    const char* name;
    QString ExportRequest::*member;
};

constexpr std::array<ValueOption, 3> kOptions = {{
    {"--eksport", &ExportRequest::month},
    {"--csv", &ExportRequest::csvPath},
    {"--pdf", &ExportRequest::pdfPath},
}};

const ValueOption* optionNamed(const QString& argument)
{
    for (const ValueOption& option : kOptions) {
        if (argument == QLatin1String(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

bool isHelp(const QString& argument)
{
    return argument == QStringLiteral("-h") || argument == QStringLiteral("--help") ||
           argument == QStringLiteral("--pomoc");
}

// The first issuer, as the ledger's heading names the seller.
QString sellerLine(const PostedTables& tables)
{
    if (tables.issuers.empty()) {
        return {};
    }
    const Issuer& issuer = tables.issuers.front();
    QStringList parts{
        issuer.Nazwa_firmy.trimmed(), issuer.Adres_firmy.trimmed(),
        (issuer.Kod_pocztowy.trimmed() + u' ' + issuer.Miejscowosc.trimmed()).trimmed()};
    if (!issuer.Nip_firmy.trimmed().isEmpty()) {
        parts << QStringLiteral("NIP ") + issuer.Nip_firmy.trimmed();
    }
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

// The PDF is written beside its place and moved there whole, so that a
// failed write never leaves half a file under the chosen name.
common::Result<void> writeLedgerPdf(const MonthLedger& ledger, const LedgerHeading& heading,
                                    const QString& path)
{
    const QString temporary = path + QStringLiteral(".zapis");
    if (auto written = writeTablePdf(ledgerPages(ledger, heading), temporary); !written) {
        QFile::remove(temporary);
        return written;
    }
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return common::fail(
            QStringLiteral("Nie można zapisać pliku %1.").arg(QDir::toNativeSeparators(path)));
    }
    return {};
}

// A file is written only into a folder that exists, never over a folder.
common::Result<void> checkTarget(const QString& path)
{
    if (path.isEmpty()) {
        return {};
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        return common::fail(
            QStringLiteral("%1 jest folderem, a nie plikiem.").arg(QDir::toNativeSeparators(path)));
    }
    if (!info.absoluteDir().exists()) {
        return common::fail(QStringLiteral("Nie można zapisać pliku %1: folder %2 nie istnieje.")
                                .arg(QDir::toNativeSeparators(path),
                                     QDir::toNativeSeparators(info.absolutePath())));
    }
    return {};
}

} // namespace

void keepFreedMemoryForExport()
{
#if defined(__GLIBC__)
    constexpr int kTrimAbove = 64 * 1024 * 1024;
    constexpr int kMapAbove = 32 * 1024 * 1024;
    mallopt(M_TRIM_THRESHOLD, kTrimAbove);
    mallopt(M_MMAP_THRESHOLD, kMapAbove);
#endif
}

bool isExportCommand(const QStringList& arguments)
{
    return !arguments.isEmpty();
}

common::Result<ExportRequest> parseExportArguments(const QStringList& arguments,
                                                   const QString& startFolder)
{
    ExportRequest request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const ValueOption* option = optionNamed(arguments.at(i));
        if (!option) {
            return common::fail(QStringLiteral("Nieznany argument „%1”.\n").arg(arguments.at(i)) +
                                kUsage);
        }
        if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
            return common::fail(
                QStringLiteral("Po %1 brakuje wartości.\n").arg(QLatin1String(option->name)) +
                kUsage);
        }
        request.*option->member = arguments.at(++i);
    }
    if (request.month.isEmpty()) {
        return common::fail(QStringLiteral("Podaj miesiąc: --eksport RRRR-MM.\n") + kUsage);
    }
    if (!Month::parse(request.month)) {
        return common::fail(QStringLiteral("Niepoprawny miesiąc „%1”: podaj rok i miesiąc w "
                                           "postaci RRRR-MM, np. 2026-03.")
                                .arg(request.month));
    }
    if (request.csvPath.isEmpty() && request.pdfPath.isEmpty()) {
        return common::fail(QStringLiteral("Podaj plik wyniku: --csv PLIK lub --pdf PLIK.\n") +
                            kUsage);
    }
    for (const ValueOption& option : kOptions) {
        QString& value = request.*option.member;
        if (option.member != &ExportRequest::month && !value.isEmpty()) {
            value = QDir(startFolder).absoluteFilePath(value);
        }
    }
    return request;
}

common::Result<void> runExport(const ExportRequest& request, const QString& workingFolder)
{
    const auto month = Month::parse(request.month);
    if (!month) {
        return common::fail(QStringLiteral("Niepoprawny miesiąc „%1”.").arg(request.month));
    }
    const auto rows = readLedgerRowsOfMonth(workingFolder, *month);
    if (!rows) {
        return rows.forward();
    }
    const auto tables = readPostedTables(workingFolder, {}, PostedParts::Issuers);
    if (!tables) {
        return tables.forward();
    }
    const auto ledger = monthLedger(*rows, *month);
    if (!ledger) {
        return ledger.forward();
    }
    for (const QString& path : {request.csvPath, request.pdfPath}) {
        if (auto usable = checkTarget(path); !usable) {
            return usable;
        }
    }
    if (!request.csvPath.isEmpty()) {
        if (auto written = writeLedgerCsv(*ledger, request.csvPath); !written) {
            return written;
        }
    }
    if (!request.pdfPath.isEmpty()) {
        return writeLedgerPdf(*ledger, {sellerLine(*tables)}, request.pdfPath);
    }
    return {};
}

int runExportCommand(const QStringList& arguments, const QString& startFolder,
                     const QString& workingFolder, QTextStream& out, QTextStream& err)
{
    if (arguments.size() == 1 && isHelp(arguments.front())) {
        out << kUsage;
        return 0;
    }
    const auto request = parseExportArguments(arguments, startFolder);
    if (!request) {
        err << request.error() << (request.error().endsWith(u'\n') ? "" : "\n");
        return 1;
    }
    keepFreedMemoryForExport();
    if (const auto done = runExport(*request, workingFolder); !done) {
        err << done.error() << '\n';
        return 1;
    }
    const Month month = *Month::parse(request->month);
    for (const QString& path : {request->csvPath, request->pdfPath}) {
        if (!path.isEmpty()) {
            out << QStringLiteral("Zapisano rejestr sprzedaży za %1 w pliku %2.\n")
                       .arg(month.title(), QDir::toNativeSeparators(path));
        }
    }
    return 0;
}

} // namespace kwitola::registry

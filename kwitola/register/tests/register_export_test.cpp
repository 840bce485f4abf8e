#include "kwitola/register/export/exportcommand.h"
#include "kwitola/register/tests/registertestfolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>
#include <map>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

std::map<QString, QByteArray> digests(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        files[name] = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    }
    return files;
}

struct CommandRun
{
    int status = -1;
    QString out;
    QString err;
};

CommandRun run(const QStringList& arguments, const QString& start, const QString& working)
{
    CommandRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = runExportCommand(arguments, start, working, out, err);
    out.flush();
    err.flush();
    return r;
}

TEST(ExportArguments, refuseWhatAsksForNothingSensible)
{
    const std::pair<QStringList, const char*> refused[] = {
        {{QStringLiteral("--eksport"), QStringLiteral("2026-13"), QStringLiteral("--csv"),
          QStringLiteral("a.csv")},
         "Niepoprawny miesiąc „2026-13”"},
        {{QStringLiteral("--eksport"), QStringLiteral("03-2026"), QStringLiteral("--pdf"),
          QStringLiteral("a.pdf")},
         "Niepoprawny miesiąc „03-2026”"},
        {{QStringLiteral("--eksport"), QStringLiteral("2026-03")}, "Podaj plik wyniku"},
        {{QStringLiteral("--csv"), QStringLiteral("a.csv")}, "Podaj miesiąc"},
        {{QStringLiteral("--eksport"), QStringLiteral("2026-03"), QStringLiteral("--csv")},
         "Po --csv brakuje wartości."},
        {{QStringLiteral("--eksport"), QStringLiteral("2026-03"), QStringLiteral("--xls"),
          QStringLiteral("a")},
         "Nieznany argument „--xls”."},
    };
    for (const auto& [arguments, text] : refused) {
        const auto parsed = parseExportArguments(arguments, QStringLiteral("/praca"));
        ASSERT_FALSE(parsed.ok()) << text;
        EXPECT_TRUE(parsed.error().contains(QString::fromUtf8(text)))
            << parsed.error().toStdString();
    }
    const auto parsed =
        parseExportArguments({QStringLiteral("--pdf"), QStringLiteral("r/m.pdf"),
                              QStringLiteral("--eksport"), QStringLiteral("2026-03")},
                             QStringLiteral("/praca"));
    ASSERT_TRUE(parsed.ok()) << parsed.error().toStdString();
    EXPECT_EQ(parsed->pdfPath, QStringLiteral("/praca/r/m.pdf"));
    EXPECT_TRUE(parsed->csvPath.isEmpty());
}

TEST(ExportCommand, writesTheMonthsCsvAndPdfAndLeavesTheTablesAsTheyWere)
{
    QTemporaryDir work;
    QTemporaryDir out;
    test::Posted march{QStringLiteral("1/2026 FV"),
                       QStringLiteral("Faktura VAT"),
                       QStringLiteral("05"),
                       QStringLiteral("03"),
                       QStringLiteral("2026"),
                       QStringLiteral("Hurtownia Łoś"),
                       {},
                       QStringLiteral("122,00")};
    test::Posted april = march;
    april.number = QStringLiteral("2/2026 FV");
    april.month = QStringLiteral("04");
    ASSERT_TRUE(test::writeTables(work.path(), {march, april}));
    const auto before = digests(work.path());

    const CommandRun r =
        run({QStringLiteral("--eksport"), QStringLiteral("2026-03"), QStringLiteral("--csv"),
             QStringLiteral("marzec.csv"), QStringLiteral("--pdf"), QStringLiteral("marzec.pdf")},
            out.path(), work.path());
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    EXPECT_TRUE(r.out.contains(QStringLiteral("marzec 2026")));
    QFile csv(out.filePath(QStringLiteral("marzec.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("1/2026 FV")));
    EXPECT_FALSE(text.contains(QStringLiteral("2/2026 FV")));
    QFile pdf(out.filePath(QStringLiteral("marzec.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_FALSE(QFileInfo::exists(out.filePath(QStringLiteral("marzec.pdf.zapis"))));
    EXPECT_EQ(digests(work.path()), before);
}

TEST(ExportCommand, failuresExitWithOneAndAPolishMessage)
{
    QTemporaryDir work;
    QTemporaryDir out;
    ASSERT_TRUE(test::writeTables(work.path(), {}));
    const auto csvTo = [](const QString& file) {
        return QStringList{QStringLiteral("--eksport"), QStringLiteral("2026-03"),
                           QStringLiteral("--csv"), file};
    };
    const struct
    {
        QStringList arguments;
        QString working;
        const char* message;
    } cases[] = {
        {csvTo(QStringLiteral("a.csv")), work.filePath(QStringLiteral("brak")), "nie istnieje"},
        {csvTo(QStringLiteral("a.csv")), out.path(), "nie ma tabel programu Kwitola"},
        {csvTo(QStringLiteral("brak/a.csv")), work.path(), "Nie można zapisać pliku"},
        {csvTo(out.path()), work.path(), "jest folderem"},
        {{QStringLiteral("--eksport"), QStringLiteral("2026-03"), QStringLiteral("--pdf"),
          QStringLiteral("brak/a.pdf")},
         work.path(),
         "folder"},
        // A folder nothing can be written into.
        {{QStringLiteral("--eksport"), QStringLiteral("2026-03"), QStringLiteral("--pdf"),
          QStringLiteral("/proc/rejestr.pdf")},
         work.path(),
         "Nie można zapisać pliku"},
        {{QStringLiteral("--eksport"), QStringLiteral("marzec")}, work.path(), "Niepoprawny"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.arguments, out.path(), c.working);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(out.filePath(QStringLiteral("a.csv"))));
    EXPECT_FALSE(QFileInfo::exists(out.filePath(QStringLiteral("brak"))));
}

} // namespace

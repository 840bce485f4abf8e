// karoskop-batch [--csv] [FILE...]: one decoded result per input line.
#include "karoskop/core/batchdecoder.h"
#include "karoskop/core/decoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

void printError(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

const char kUsage[] =
    "Użycie: karoskop-batch [--csv] [PLIK...]\n"
    "Rozkodowuje numery nadwozia (VIN), po jednym w wierszu, z podanych plików\n"
    "lub ze standardowego wejścia (także gdy plikiem jest \"-\"). Dla każdego wiersza\n"
    "wypisuje jeden obiekt JSON, a z opcją --csv jeden wiersz CSV z nagłówkiem.\n";

// Why a file named on the command line cannot be read, in the user's words.
QString whyUnreadable(const QString& name, const QFile& file)
{
    const QFileInfo info(name);
    if (!info.exists()) {
        return QStringLiteral("plik nie istnieje");
    }
    if (info.isDir()) {
        return QStringLiteral("to jest folder, nie plik");
    }
    if (!info.isReadable()) {
        return QStringLiteral("brak uprawnień do odczytu");
    }
    return file.errorString();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList files;
    karoskop::batch::RunOptions options;
    for (const QString& argument : app.arguments().mid(1)) {
        if (argument == u"--csv") {
            options.format = karoskop::batch::OutputFormat::Csv;
        } else if (argument == u"--help" || argument == u"-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (argument.startsWith(u"--")) {
            printError(QStringLiteral("Nieznana opcja: %1").arg(argument));
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            files << argument;
        }
    }
    if (files.isEmpty()) {
        files << QStringLiteral("-");
    }
    options.progress = [](qint64 lines) {
        printError(QStringLiteral("Rozkodowano %1 wierszy…").arg(lines));
    };

    // A file-size limit then fails the write, which is reported, instead of
    // ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // Unbuffered: every block goes straight to the system, so that a write
    // that fails is seen when it fails, not lost in a buffer.
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                  QFileDevice::AutoCloseHandle)) {
        printError(QStringLiteral("Nie można pisać na standardowe wyjście."));
        return 1;
    }
    if (options.format == karoskop::batch::OutputFormat::Csv) {
        const QByteArray header = karoskop::batch::csvHeader();
        if (out.write(header) != header.size()) {
            printError(QStringLiteral("Nie można zapisać wyników: %1").arg(out.errorString()));
            return 1;
        }
    }
    karoskop::Decoder decoder; // one program run: the start year carries over
    int status = 0;
    qint64 lines = 0;
    for (const QString& name : files) {
        QFile in;
        constexpr QIODevice::OpenMode kMode = QIODevice::ReadOnly | QIODevice::Unbuffered;
        const bool opened = name == u"-"
                                ? in.open(STDIN_FILENO, kMode, QFileDevice::DontCloseHandle)
                                : (in.setFileName(name), in.open(kMode));
        if (!opened) {
            printError(QStringLiteral("Nie można odczytać pliku \"%1\": %2.")
                           .arg(name, whyUnreadable(name, in)));
            status = 1;
            continue;
        }
        const common::Result<qint64> read =
            karoskop::batch::decodeAll(in, out, decoder, options, lines);
        if (!read) {
            printError(read.error());
            return 1;
        }
        lines += *read;
    }
    out.close(); // the system may report a failed write only now
    if (out.error() != QFileDevice::NoError) {
        printError(QStringLiteral("Nie można zapisać wyników: %1").arg(out.errorString()));
        return 1;
    }
    return status;
}

// karoskop-batch [--csv] [--separator C] [--no-header] [FILE...]: one decoded
// result per input line.
#include "karoskop/batchcore/batchdecoder.h"
#include "karoskop/core/decoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <array>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

void printError(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

const char kUsage[] =
    "Użycie: karoskop-batch [--csv] [--separator ZNAK] [--no-header] [PLIK...]\n"
    "Rozkodowuje numery nadwozia (VIN), po jednym w wierszu, z podanych plików\n"
    "lub ze standardowego wejścia (także gdy plikiem jest \"-\"). Dla każdego wiersza\n"
    "wypisuje jeden obiekt JSON, a z opcją --csv jeden wiersz CSV z nagłówkiem.\n"
    "\n"
    "  --csv              CSV zamiast JSON; pola rozdziela przecinek\n"
    "  --separator ZNAK   CSV z polami rozdzielonymi znakiem \",\" albo \";\"\n"
    "                     (oznacza też --csv); arkusz w polskich ustawieniach\n"
    "                     (przecinek dziesiętny) czyta poprawnie --separator \";\",\n"
    "                     arkusz w ustawieniach angielskich domyślny przecinek\n"
    "  --no-header        CSV bez wiersza nagłówka (np. dla części pliku\n"
    "                     rozkodowywanych osobno i łączonych potem)\n"
    "  --version          nazwa i wersja programu\n"
    "  --help, -h         ten opis\n"
    "\n"
    "Każdy wiersz wyniku zależy tylko od swojego wiersza wejścia, więc plik można\n"
    "podzielić między procesy lub komputery i połączyć wyniki w tej samej kolejności.\n";

// The separators a spreadsheet reads: the comma, and the semicolon where
// the comma is the decimal sign.
constexpr std::array<char, 2> kSeparators{',', ';'};

// The separator an option's value names, or none.
std::optional<char> separatorFrom(const QString& value)
{
    for (const char separator : kSeparators) {
        if (value == QLatin1Char(separator)) {
            return separator;
        }
    }
    return std::nullopt;
}

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

// What the command line asks for.
struct Command
{
    QStringList files;
    karoskop::batch::RunOptions options;
    bool header = true;
    // Help, the version or a wrong option: the program ends with this status
    // without decoding anything.
    std::optional<int> exitStatus;
};

// Reads the value of --separator, given joined ("--separator=;") or as the
// next argument; i moves past what was read.
void readSeparator(Command& command, const QStringList& arguments, qsizetype& i)
{
    constexpr QStringView kSeparatorOption = u"--separator";
    const QString& argument = arguments[i];
    const bool joined = argument != kSeparatorOption;
    if (!joined && i + 1 == arguments.size()) {
        printError(QStringLiteral("Opcja --separator wymaga znaku: \",\" albo \";\"."));
        command.exitStatus = 2;
        return;
    }
    const QString value = joined ? argument.mid(kSeparatorOption.size() + 1) : arguments[++i];
    const std::optional<char> separator = separatorFrom(value);
    if (!separator) {
        printError(
            QStringLiteral("Nieznany separator \"%1\": dozwolone są \",\" i \";\".").arg(value));
        command.exitStatus = 2;
        return;
    }
    command.options.format = karoskop::batch::OutputFormat::Csv;
    command.options.separator = *separator;
}

Command parseArguments(const QStringList& arguments)
{
    Command command;
    for (qsizetype i = 0; i < arguments.size() && !command.exitStatus; ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--csv") {
            command.options.format = karoskop::batch::OutputFormat::Csv;
        } else if (argument == u"--separator" || argument.startsWith(u"--separator=")) {
            readSeparator(command, arguments, i);
        } else if (argument == u"--no-header") {
            command.header = false;
        } else if (argument == u"--version") {
            std::fputs("karoskop-batch " KAROSKOP_VERSION "\n", stdout);
            command.exitStatus = 0;
        } else if (argument == u"--help" || argument == u"-h") {
            std::fputs(kUsage, stdout);
            command.exitStatus = 0;
        } else if (argument.startsWith(u"--")) {
            printError(QStringLiteral("Nieznana opcja: %1").arg(argument));
            std::fputs(kUsage, stderr);
            command.exitStatus = 2;
        } else {
            command.files << argument;
        }
    }
    if (command.files.isEmpty()) {
        command.files << QStringLiteral("-");
    }
    return command;
}

// Decodes every file of the command in turn into out: the program's status,
// 1 when a file could not be opened; a failed read or write stops the run.
common::Result<int> decodeFiles(const Command& command, QFile& out)
{
    karoskop::Decoder decoder; // one program run: the start year carries over
    int status = 0;
    qint64 lines = 0;
    for (const QString& name : command.files) {
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
            karoskop::batch::decodeAll(in, out, decoder, command.options, lines);
        if (!read) {
            return read.forward();
        }
        lines += *read;
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Command command = parseArguments(app.arguments().mid(1));
    if (command.exitStatus) {
        return *command.exitStatus;
    }
    command.options.progress = [](qint64 lines) {
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
    if (command.options.format == karoskop::batch::OutputFormat::Csv && command.header) {
        const QByteArray headerRow = karoskop::batch::csvHeader(command.options.separator);
        if (out.write(headerRow) != headerRow.size()) {
            printError(QStringLiteral("Nie można zapisać wyników: %1").arg(out.errorString()));
            return 1;
        }
    }
    const common::Result<int> status = decodeFiles(command, out);
    if (!status) {
        printError(status.error());
        return 1;
    }
    out.close(); // the system may report a failed write only now
    if (out.error() != QFileDevice::NoError) {
        printError(QStringLiteral("Nie można zapisać wyników: %1").arg(out.errorString()));
        return 1;
    }
    return *status;
}

// karoskop-batch as a program: lost output, unreadable input and odd bytes
// end the way a caller can rely on.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray kNumber("WF0XXXXXAFM012345\n");

struct Outcome
{
    bool finished = false;
    bool crashed = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool with setup applied to its process before the start; input,
// when given, is written to its standard input (a pipe).
Outcome runTool(const std::function<void(QProcess&)>& setup,
                const std::optional<QByteArray>& input = std::nullopt, const QStringList& args = {})
{
    QProcess process;
    setup(process);
    process.start(QStringLiteral(KAROSKOP_BATCH_PATH), args);
    if (!process.waitForStarted(10000)) {
        return {};
    }
    if (input) {
        process.write(*input);
        process.closeWriteChannel();
    }
    Outcome o;
    o.finished = process.waitForFinished(20000);
    if (!o.finished) {
        process.kill();
        process.waitForFinished(5000);
        return o;
    }
    o.crashed = process.exitStatus() == QProcess::CrashExit;
    o.exitCode = process.exitCode();
    o.out = process.readAllStandardOutput();
    o.err = process.readAllStandardError();
    return o;
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

void expectFailureReported(const Outcome& o, const char* reason)
{
    ASSERT_TRUE(o.finished) << reason;
    EXPECT_FALSE(o.crashed) << reason;
    EXPECT_EQ(o.exitCode, 1) << reason;
    EXPECT_TRUE(QString::fromUtf8(o.err).contains(QStringLiteral("Nie można"))) << reason;
}

TEST(BatchTool, LostOutputIsReportedAndFailsTheRun)
{
    QTemporaryDir dir;
    const QString input = writeFile(dir, "numery.txt", kNumber.repeated(50));

    expectFailureReported(
        runTool([](QProcess& p) { p.setStandardOutputFile(QStringLiteral("/dev/full")); }, {},
                {input}),
        "full disk");

    const QString limited = dir.filePath(QStringLiteral("wyniki.jsonl"));
    expectFailureReported(runTool(
                              [&](QProcess& p) {
                                  p.setStandardOutputFile(limited);
                                  p.setChildProcessModifier([] {
                                      rlimit small{};
                                      ::getrlimit(RLIMIT_FSIZE, &small);
                                      small.rlim_cur = 4096;
                                      ::setrlimit(RLIMIT_FSIZE, &small);
                                  });
                              },
                              {}, {input}),
                          "file-size limit");

    expectFailureReported(
        runTool([](QProcess& p) { p.setChildProcessModifier([] { ::close(STDOUT_FILENO); }); }, {},
                {input}),
        "closed standard output");
}

TEST(BatchTool, UnreadableStandardInputEndsTheRun)
{
    QTemporaryDir dir;
    expectFailureReported(runTool([&](QProcess& p) { p.setStandardInputFile(dir.path()); }),
                          "folder as input");
}

TEST(BatchTool, PipedAndFileInputGiveTheSameRows)
{
    QTemporaryDir dir;
    QByteArray input = kNumber;
    input += QByteArray("WF0XX\0XXAFM012345\n", 18);
    input += QByteArray("\0\n", 2);
    input += kNumber;
    const QString path = writeFile(dir, "numery.txt", input);

    const Outcome piped = runTool([](QProcess&) {}, input);
    const Outcome fromFile = runTool([](QProcess&) {}, std::nullopt, {path});
    ASSERT_TRUE(piped.finished && fromFile.finished);
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.out.count('\n'), 4); // one row per line
    EXPECT_EQ(piped.out, fromFile.out);
    EXPECT_TRUE(piped.out.endsWith("\"unknown_manufacturer\":false,\"check_digit\":null}\n"));
}

TEST(BatchTool, OptionsForSpreadsheetsAndTheVersion)
{
    const Outcome version = runTool([](QProcess&) {}, std::nullopt, {"--version"});
    ASSERT_TRUE(version.finished);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(
        QString::fromUtf8(version.out)
            .contains(QRegularExpression(QStringLiteral("^karoskop-batch \\d+\\.\\d+\\n$"))))
        << version.out.toStdString();

    const Outcome help = runTool([](QProcess&) {}, std::nullopt, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--separator \";\"")) << help.out.toStdString();

    const QByteArray input = kNumber + "WF0XXX\n";
    for (const QStringList& args : {QStringList{"--separator", ";"}, QStringList{"--separator=;"},
                                    QStringList{"--csv", "--separator", ";"}}) {
        const Outcome o = runTool([](QProcess&) {}, input, args);
        ASSERT_TRUE(o.finished) << args.join(u' ').toStdString();
        EXPECT_EQ(o.exitCode, 0);
        const QList<QByteArray> rows = o.out.split('\n');
        ASSERT_EQ(rows.size(), 4); // header, two rows, the empty rest
        EXPECT_TRUE(rows[0].startsWith("Wczytany numer;Błąd;Pełny numer nadwozia;Strefa"));
        EXPECT_TRUE(rows[0].endsWith(";Komentarze;Lista typów pojazdów spełniających zadane "
                                     "kryteria;Więcej niż jeden typ;Nieznany producent;Cyfra "
                                     "kontrolna"));
        EXPECT_EQ(rows[1].count(';') - rows[1].count("; "), 20); // "Ford Orion; Ford Escort"
        EXPECT_EQ(rows[2].count(';'), 20);
    }
    const Outcome comma = runTool([](QProcess&) {}, input, {"--csv", "--no-header"});
    EXPECT_EQ(comma.exitCode, 0);
    EXPECT_TRUE(comma.out.startsWith("WF0XXXXXAFM012345,,WF0XXXXXAFM012345,Europa,"));
    EXPECT_EQ(comma.out.count('\n'), 2);

    for (const QStringList& args : {QStringList{"--separator", "x"}, QStringList{"--separator=,,"},
                                    QStringList{"--separator"}}) {
        const Outcome o = runTool([](QProcess&) {}, input, args);
        ASSERT_TRUE(o.finished);
        EXPECT_EQ(o.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_TRUE(o.err.contains("separator")) << o.err.toStdString();
    }
}

// A file of numbers as a fleet has them: Fords whose year codes change from
// line to line (the year before the last recognised one carries over in a
// run), other makes, North American numbers, and lines the window refuses.
QByteArray generatedNumbers(int lines)
{
    static const char* const kPrefixes[] = {
        "WF0XXXXXAFM", "WF0XXXXXGAF", "WF0XXXXXAA", "WF0",      "WFO", "WF1", "W0L",
        "WO4",         "UU1",         "WAU",        "1M8GDM9A", "1HG", "JH4", "wf0xxxxxaf"};
    static const char* const kRefused[] = {"",
                                           "WF0XXX",
                                           "WF0XXXXX FM012345",
                                           "WF0XXXXXAFM01234\xc4\x85",
                                           "WF0XXXXXAFM012345678",
                                           "WF0XXXXXAFM0123\xff\xfe",
                                           "WF0-XXXXAFM012345"};
    static const char kChars[] = "ABCDEFGHJKLMNPRSTUVWXYZ0123456789OIQ";
    quint32 state = 21;
    const auto next = [&state](quint32 bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    QByteArray out;
    out.reserve(lines * 20);
    for (int i = 0; i < lines; ++i) {
        if (next(10) == 0) {
            out += kRefused[next(std::size(kRefused))];
        } else {
            QByteArray number = kPrefixes[next(std::size(kPrefixes))];
            while (number.size() < 17) {
                number += kChars[next(sizeof kChars - 1)];
            }
            out += number;
        }
        out += next(20) == 0 ? "\r\n" : "\n";
    }
    return out;
}

// Runs program with the file in as its standard input and returns its output.
QByteArray runOnFile(const QString& program, const QStringList& args, const QString& in)
{
    QProcess process;
    process.setStandardInputFile(in);
    process.start(program, args);
    if (!process.waitForStarted(10000) || !process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished(5000);
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return {};
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return process.readAllStandardOutput();
}

// Every row depends only on its own line: the file cut into pieces anywhere
// between lines, each piece decoded by a process of its own, gives what one
// process gives for the whole file.
TEST(BatchTool, FileSplitAcrossProcessesGivesTheSameOutput)
{
    QTemporaryDir dir;
    const QByteArray input = generatedNumbers(200000);
    const QString whole = writeFile(dir, "numery.txt", input);
    const QString tool = QStringLiteral(KAROSKOP_BATCH_PATH);
    const QByteArray json = runOnFile(tool, {}, whole);
    const QByteArray csv = runOnFile(tool, {"--separator", ";"}, whole);
    ASSERT_EQ(json.count('\n'), 200000);
    ASSERT_EQ(csv.count('\n'), 200001);

    // Pieces of uneven sizes, each ending after a line.
    QByteArray jsonPieces;
    QByteArray csvPieces = runOnFile(tool, {"--separator", ";"}, writeFile(dir, "pusty.txt", {}));
    qsizetype from = 0;
    for (int piece = 0; from < input.size(); ++piece) {
        const qsizetype cut =
            input.indexOf('\n', std::min(input.size() - 1, from + 1 + piece * 97331));
        const qsizetype to = cut < 0 ? input.size() : cut + 1;
        const QString path = writeFile(dir, "czesc.txt", input.mid(from, to - from));
        jsonPieces += runOnFile(tool, {}, path);
        csvPieces += runOnFile(tool, {"--separator", ";", "--no-header"}, path);
        from = to;
    }
    EXPECT_TRUE(jsonPieces == json) << "JSON of the pieces differs";
    EXPECT_TRUE(csvPieces == csv) << "CSV of the pieces differs";

    // The same with GNU parallel, as the README shows it; scripts/setup.sh
    // installs it. Blocks small enough that the file is really split.
    const QString parallel = QStandardPaths::findExecutable(QStringLiteral("parallel"));
    ASSERT_FALSE(parallel.isEmpty()) << "GNU parallel is missing: run scripts/setup.sh";
    const QByteArray viaParallel =
        runOnFile(parallel, {"--will-cite", "--pipe", "-k", "--block", "300k", tool}, whole);
    EXPECT_TRUE(viaParallel == json) << "GNU parallel's output differs";
}

} // namespace

// karoskop-batch as a program: lost output, unreadable input and odd bytes
// end the way a caller can rely on.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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
    EXPECT_TRUE(piped.out.endsWith("\"unknown_manufacturer\":false}\n"));
}

} // namespace

#include "kwitola/core/singleinstance.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A second process that takes the guard, reports whether it got it and then
// waits to be killed, as a running first copy of the program would.
class HolderProcess
{
public:
    explicit HolderProcess(const QString& lockPath)
    {
        int fds[2] = {-1, -1};
        if (::pipe(fds) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(fds[0]);
            kwitola::SingleInstance guard(lockPath);
            const char got = guard.acquire() ? '1' : '0';
            [[maybe_unused]] const auto written = ::write(fds[1], &got, 1);
            for (;;) {
                ::pause();
            }
        }
        ::close(fds[1]);
        char got = '0';
        m_acquired = m_pid > 0 && ::read(fds[0], &got, 1) == 1 && got == '1';
        ::close(fds[0]);
    }

    ~HolderProcess() { kill(); }
    HolderProcess(const HolderProcess&) = delete;
    HolderProcess& operator=(const HolderProcess&) = delete;

    bool acquired() const { return m_acquired; }

    // Ends the process the hard way: it gets no chance to remove its lock.
    void kill()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

private:
    pid_t m_pid = -1;
    bool m_acquired = false;
};

class SingleInstanceTest : public ::testing::Test
{
protected:
    QString lockPath() const { return m_dir.filePath(QStringLiteral("Kwitola.lock")); }

    QTemporaryDir m_dir;
};

TEST_F(SingleInstanceTest, SecondGuardIsRefusedUntilTheFirstIsReleased)
{
    kwitola::SingleInstance first(lockPath());
    kwitola::SingleInstance second(lockPath());
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.acquire()) << "taking a held guard again must not fail";
    EXPECT_EQ(second.tryAcquire(), kwitola::SingleInstance::Outcome::HeldElsewhere);
    EXPECT_FALSE(second.isHeld());

    first.release();
    EXPECT_FALSE(first.isHeld());
    EXPECT_TRUE(second.acquire());
    EXPECT_FALSE(first.acquire());
}

TEST_F(SingleInstanceTest, GuardIsGivenUpWhenItsOwnerEnds)
{
    {
        kwitola::SingleInstance first(lockPath());
        ASSERT_TRUE(first.acquire());
    }
    kwitola::SingleInstance next(lockPath());
    EXPECT_TRUE(next.acquire());
}

TEST_F(SingleInstanceTest, RunningCopyInAnotherProcessRefusesThisOne)
{
    HolderProcess holder(lockPath());
    ASSERT_TRUE(holder.acquired());
    kwitola::SingleInstance second(lockPath());
    EXPECT_EQ(second.tryAcquire(), kwitola::SingleInstance::Outcome::HeldElsewhere);
}

TEST_F(SingleInstanceTest, LongRunningCopyStillRefusesThisOne)
{
    HolderProcess holder(lockPath());
    ASSERT_TRUE(holder.acquired());
    // A copy that has run for an hour holds a lock file that old.
    QFile lockFile(lockPath());
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
    lockFile.close();

    kwitola::SingleInstance second(lockPath());
    EXPECT_FALSE(second.acquire());
}

TEST_F(SingleInstanceTest, KilledCopyDoesNotBlockTheNextStart)
{
    HolderProcess holder(lockPath());
    ASSERT_TRUE(holder.acquired());
    holder.kill();
    ASSERT_TRUE(QFile::exists(lockPath())) << "a killed copy leaves its lock file behind";

    kwitola::SingleInstance next(lockPath());
    EXPECT_TRUE(next.acquire());
    kwitola::SingleInstance third(lockPath());
    EXPECT_FALSE(third.acquire()) << "the recovered guard must hold again";
}

TEST_F(SingleInstanceTest, LockThatCannotBeCreatedIsRefused)
{
    // A plain file where the lock's folder should be.
    const QString blocker = m_dir.filePath(QStringLiteral("plik"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    kwitola::SingleInstance guard(blocker + QStringLiteral("/Kwitola.lock"));
    EXPECT_EQ(guard.tryAcquire(), kwitola::SingleInstance::Outcome::Unavailable);
    EXPECT_FALSE(guard.isHeld());
}

} // namespace

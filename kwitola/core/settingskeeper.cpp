#include "kwitola/core/settingskeeper.h"

#include "common/core/fileerrors.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace kwitola {

SettingsKeeper::SettingsKeeper(QString path) : m_path(std::move(path)) {}

QString SettingsKeeper::backupPath() const
{
    return m_path + QStringLiteral(".bak");
}

Result<void> SettingsKeeper::load()
{
    Result<Settings> read = readSettingsFile(m_path);
    if (!read) {
        m_settings = Settings{};
        m_protected = true;
        return read.forward();
    }
    m_settings = std::move(read).value();
    m_protected = false;
    return {};
}

Result<SettingsKeeper::SaveOutcome> SettingsKeeper::save(const Settings& value, Consent consent)
{
    if (m_protected && consent == Consent::NotAsked) {
        return SaveOutcome::ConfirmationNeeded;
    }
    // From here the value holds for the run, written or not: it is what the
    // user set, and the windows show it.
    m_settings = value;
    if (m_protected && consent == Consent::Refused) {
        return SaveOutcome::KeptWithoutSaving;
    }
    const Result<void> written =
        m_protected ? replaceUnreadable(value) : writeSettingsFile(m_path, value);
    if (!written) {
        return written.forward();
    }
    m_protected = false;
    return SaveOutcome::Saved;
}

Result<void> SettingsKeeper::replaceUnreadable(const Settings& value)
{
    // Check first, so that a value the file cannot hold never moves the old
    // file aside.
    if (const auto fits = checkSettingsCanBeSaved(value); !fits) {
        return fail(QStringLiteral("Nie zapisano ustawień. %1").arg(fits.error()));
    }
    // The old file cannot be read, so it is moved aside rather than copied;
    // a failed write moves it back.
    const QByteArray current = QFile::encodeName(m_path);
    const QByteArray backup = QFile::encodeName(backupPath());
    const bool movedAside = std::rename(current.constData(), backup.constData()) == 0;
    if (!movedAside && errno != ENOENT) {
        const int renameError = errno;
        return fail(
            QStringLiteral("Nie zapisano ustawień: nie można zachować pliku %1 jako %2: %3.")
                .arg(QFileInfo(m_path).fileName(), QFileInfo(backupPath()).fileName(),
                     common::describeSystemError(renameError)),
            common::ErrorKind::Failed, renameError);
    }
    Result<void> written = writeSettingsFile(m_path, value);
    if (!written && movedAside) {
        std::rename(backup.constData(), current.constData());
    }
    return written;
}

} // namespace kwitola

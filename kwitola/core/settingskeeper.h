#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/settingsfile.h"

#include <QString>

namespace kwitola {

// The program's settings value and the state of faktura.kfx behind it.
//
// A settings file that exists but could not be read may hold a document
// counter that must not fall back to 0 unnoticed, so it is never replaced
// without the user's consent: until then every save asks first, and a file
// replaced with consent is kept beside the new one as faktura.kfx.bak.
class SettingsKeeper final
{
public:
    // Whether the user was asked about replacing an unreadable file.
    enum class Consent { NotAsked, Given, Refused };

    // How a save that did not fail ended. A failed write is an error; the
    // value then holds for this run all the same.
    enum class SaveOutcome {
        Saved,              // the file holds the new value
        ConfirmationNeeded, // nothing changed: ask, then save again
        KeptWithoutSaving,  // the user refused: the value holds for this run
    };

    explicit SettingsKeeper(QString path);

    // Reads the file. A missing file gives the defaults; any other failure
    // gives the defaults, the error text, and protects the file.
    [[nodiscard]] Result<void> load();

    // Makes value the program's settings and writes it to the file, unless
    // an unreadable file is in the way and consent is still missing.
    [[nodiscard]] Result<SaveOutcome> save(const Settings& value,
                                           Consent consent = Consent::NotAsked);

    [[nodiscard]] const Settings& settings() const { return m_settings; }
    [[nodiscard]] const QString& path() const { return m_path; }
    [[nodiscard]] QString backupPath() const;
    // True while an existing file that could not be read stands unreplaced.
    [[nodiscard]] bool needsConsentToSave() const { return m_protected; }

private:
    [[nodiscard]] Result<void> replaceUnreadable(const Settings& value);

    QString m_path;
    Settings m_settings;
    bool m_protected = false;
};

} // namespace kwitola

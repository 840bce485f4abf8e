#pragma once

#include "kwitola/core/result.h"

#include <QByteArray>
#include <QLatin1String>
#include <QString>

namespace kwitola {

inline constexpr QLatin1String kSettingsFileName{"faktura.kfx"};

// The print settings and the running document number kept in faktura.kfx.
struct Settings
{
    bool automaticNumbering = false; // "automatyczna numeracja"
    QString logoPath;                // picture at the top of the page
    QString numberPart = QStringLiteral("0");
    QString numberSuffix;               // appended to the number part
    bool previewBeforePrinting = false; // "podgląd przed drukowaniem"
    QString placeOfIssue;
    bool placeIsRecipientTown = false; // "miejsce wystawienia dokumentu ="

    // The document number as the main window shows it: number and suffix.
    [[nodiscard]] QString documentNumber() const;

    bool operator==(const Settings&) const = default;
};

// The ten lines of the file: CR LF after each, code page 1250, check boxes as
// "open" or "close", lines 3, 9 and 10 empty.
QByteArray encodeSettings(const Settings& settings);
// Reads the lines back; missing lines count as empty, lines 1, 6 and 8 tick
// their box only when they are exactly "open".
Settings decodeSettings(const QByteArray& bytes);

// Fails, naming the field, on a text that the file cannot hold (a line break,
// or a character outside code page 1250).
[[nodiscard]] Result<void> checkSettingsCanBeSaved(const Settings& settings);

// Reads the settings file; a missing file gives the defaults. A file that
// cannot be read, is not a regular file or is larger than a settings file
// can be gives an error text.
[[nodiscard]] Result<Settings> readSettingsFile(const QString& path);
// Writes the settings file atomically: on failure the old file stays whole
// and the error text says why.
[[nodiscard]] Result<void> writeSettingsFile(const QString& path, const Settings& settings);

} // namespace kwitola

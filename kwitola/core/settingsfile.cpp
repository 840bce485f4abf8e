#include "kwitola/core/settingsfile.h"

#include "common/core/atomicfile.h"
#include "common/core/cp1250.h"
#include "common/core/smallfile.h"

#include <QFileInfo>
#include <QStringList>
#include <array>
#include <utility>

namespace kwitola {

namespace {

constexpr int kLineCount = 10;
const QString kTicked = QStringLiteral("open");
const QString kCleared = QStringLiteral("close");

// Which line holds which setting (0-based); the other lines stay empty.
constexpr int kAutomaticLine = 0;
constexpr int kLogoLine = 1;
constexpr int kNumberLine = 3;
constexpr int kSuffixLine = 4;
constexpr int kPreviewLine = 5;
constexpr int kPlaceLine = 6;
constexpr int kPlaceIsTownLine = 7;

constexpr std::array<std::pair<int, bool Settings::*>, 3> kBoxes = {{
    {kAutomaticLine, &Settings::automaticNumbering},
    {kPreviewLine, &Settings::previewBeforePrinting},
    {kPlaceIsTownLine, &Settings::placeIsRecipientTown},
}};

// The texts with the names the print settings window gives them.
struct TextLine
{
    int line;
    QString Settings::*member;
    const char* label;
};
constexpr std::array<TextLine, 4> kTexts = {{
    {kLogoLine, &Settings::logoPath, "ścieżka logo"},
    {kNumberLine, &Settings::numberPart, "numer"},
    {kSuffixLine, &Settings::numberSuffix, "przyrostek numeru"},
    {kPlaceLine, &Settings::placeOfIssue, "miejsce wystawienia"},
}};

} // namespace

QString Settings::documentNumber() const
{
    return numberPart + numberSuffix;
}

QByteArray encodeSettings(const Settings& settings)
{
    std::array<QString, kLineCount> lines;
    for (const auto& [line, member] : kBoxes) {
        lines.at(line) = settings.*member ? kTicked : kCleared;
    }
    for (const TextLine& text : kTexts) {
        lines.at(text.line) = settings.*text.member;
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += common::cp1250::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

Settings decodeSettings(const QByteArray& bytes)
{
    const QString text = common::cp1250::decode(bytes);
    QStringList lines = text.split(QLatin1Char('\n'));
    // A file that ends with a line end has nothing after the last one.
    if (text.endsWith(QLatin1Char('\n'))) {
        lines.removeLast();
    }
    std::array<QString, kLineCount> values;
    for (int i = 0; i < kLineCount && i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        values.at(i) = line;
    }
    Settings settings;
    for (const auto& [line, member] : kBoxes) {
        settings.*member = values.at(line) == kTicked;
    }
    for (const TextLine& text : kTexts) {
        settings.*text.member = values.at(text.line);
    }
    return settings;
}

Result<void> checkSettingsCanBeSaved(const Settings& settings)
{
    for (const TextLine& text : kTexts) {
        const QString& value = settings.*text.member;
        const QString label = QString::fromUtf8(text.label);
        if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'))) {
            return fail(QStringLiteral("Pole „%1” nie może zawierać końca wiersza.").arg(label));
        }
        for (const QChar ch : value) {
            if (!common::cp1250::byteOf(ch)) {
                return fail(QStringLiteral("Pole „%1” zawiera znak „%2”, którego nie można "
                                           "zapisać w pliku ustawień.")
                                .arg(label, QString(ch)));
            }
        }
    }
    return {};
}

Result<Settings> readSettingsFile(const QString& path)
{
    const auto file = common::readSmallFile(path);
    if (!file) {
        return Result<Settings>::failure(QStringLiteral("Nie można odczytać pliku ustawień %1: %2.")
                                             .arg(QFileInfo(path).fileName(), file.error()));
    }
    if (!file->has_value()) {
        return Settings{};
    }
    return decodeSettings(**file);
}

Result<void> writeSettingsFile(const QString& path, const Settings& settings)
{
    if (auto fits = checkSettingsCanBeSaved(settings); !fits) {
        return fail(QStringLiteral("Nie zapisano ustawień. %1").arg(fits.error()));
    }
    if (const auto written = common::writeFileAtomically(path, encodeSettings(settings));
        !written) {
        return fail(QStringLiteral("Nie zapisano ustawień. %1").arg(written.error()),
                    written.errorDetails().kind, written.errorDetails().systemError);
    }
    return {};
}

} // namespace kwitola

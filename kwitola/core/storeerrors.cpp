#include "kwitola/core/storeerrors.h"

#include <QSqlError>
#include <array>
#include <utility>

namespace kwitola {

namespace {

// The engine's primary result codes that a user can meet.
constexpr std::array<std::pair<int, const char*>, 10> kDescriptions = {{
    {3, "brak uprawnień do pliku tabeli"},
    {5, "tabela jest zajęta przez inny program"},
    {6, "tabela jest zablokowana"},
    {7, "brak pamięci"},
    {8, "tabela jest tylko do odczytu"},
    {10, "błąd odczytu lub zapisu pliku tabeli"},
    {11, "plik tabeli jest uszkodzony"},
    {13, "brak miejsca na dysku"},
    {14, "nie można otworzyć pliku tabeli"},
    {26, "plik nie jest tabelą"},
}};

} // namespace

QString describeStoreError(const QSqlError& error)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    if (isNumber) {
        for (const auto& [known, text] : kDescriptions) {
            if (known == code) {
                return QString::fromUtf8(text);
            }
        }
    }
    const QString engineText = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return engineText.isEmpty() ? QStringLiteral("nieznany błąd") : engineText;
}

} // namespace kwitola

#include "kwitola/core/storeerrors.h"

#include <QSqlError>
#include <array>
#include <utility>

namespace kwitola {

namespace {

// The engine's primary result codes that a user can meet.
constexpr std::array<std::pair<int, const char*>, 17> kDescriptions = {{
    {1, "błąd polecenia bazy danych"},
    {2, "błąd wewnętrzny bazy danych"},
    {3, "brak uprawnień do pliku tabeli"},
    {4, "operacja została przerwana"},
    {5, "tabela jest zajęta przez inny program"},
    {6, "tabela jest zablokowana"},
    {7, "brak pamięci"},
    {8, "tabela jest tylko do odczytu"},
    {9, "operacja została przerwana"},
    {10, "błąd odczytu lub zapisu pliku tabeli"},
    {11, "plik tabeli jest uszkodzony"},
    {13, "brak miejsca na dysku"},
    {14, "nie można otworzyć pliku tabeli"},
    {18, "zapisywany tekst jest zbyt długi"},
    {19, "zapis narusza ograniczenie tabeli"},
    {23, "brak dostępu do tabeli"},
    {26, "plik nie jest tabelą"},
}};

} // namespace

QString describeStoreError(const QSqlError& error)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber);
    const QString engineText = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (!isNumber) {
        return engineText.trimmed().isEmpty()
                   ? QStringLiteral("błąd sterownika bazy danych")
                   : QStringLiteral("błąd sterownika bazy danych: %1").arg(engineText);
    }
    return describeStoreError(code, engineText);
}

QString describeStoreError(int code, const QString& engineText)
{
    const int primary = code & 0xff;
    for (const auto& [known, text] : kDescriptions) {
        if (known == primary) {
            return QString::fromUtf8(text);
        }
    }
    // The engine's own words stay beside the Polish phrase, for whoever
    // has to find the cause.
    const QString phrase = QStringLiteral("błąd bazy danych (kod %1)").arg(primary);
    return engineText.trimmed().isEmpty() ? phrase
                                          : QStringLiteral("%1: %2").arg(phrase, engineText);
}

} // namespace kwitola

#include "karoskop/core/vinentry.h"

#include "common/core/cp1250.h"
#include "karoskop/core/lastnumberfile.h"

namespace karoskop {

namespace {

// Positions 1 to 3 name the manufacturer and keep a typed letter O.
constexpr int kFirstPositionWithoutLetterO = 4;

bool isOneChar(const QString& text, char16_t c)
{
    return text.size() == 1 && text.front() == c;
}

bool validFirstCharacter(const QString& text)
{
    if (text.isEmpty()) {
        return false;
    }
    const std::optional<unsigned char> byte = common::cp1250::byteOf(text.front());
    if (!byte) {
        return false; // a character the code page lacks is no VIN character
    }
    const unsigned char b = *byte;
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z');
}

std::optional<EntryRefusal> checkFields(const Vin& fields)
{
    for (int i = 0; i < kVinLength; ++i) {
        if (fields[static_cast<std::size_t>(i)].isEmpty()) {
            return EntryRefusal{EntryCheck::Completeness, i + 1, completenessMessage()};
        }
    }
    for (int i = 0; i < kVinLength; ++i) {
        if (isOneChar(fields[static_cast<std::size_t>(i)], u' ')) {
            return EntryRefusal{EntryCheck::Spaces, i + 1, spacesMessage()};
        }
    }
    return std::nullopt;
}

} // namespace

QString completenessMessage()
{
    return QStringLiteral("Wprowadzony numer nadwozia nie zawiera 17 znaków.");
}

QString spacesMessage()
{
    return QStringLiteral("Wprowadzony numer nadwozia zawiera spację.");
}

QString characterMessage(int position)
{
    return QStringLiteral("Jeżeli dane na poz.%1 są wprowadzone poprawnie - proszę dokładnie "
                          "sprawdzić pole numerowe nadwozia.")
        .arg(position);
}

QString unknownManufacturerQuestion()
{
    return QStringLiteral("Błąd ! Kombinacja znaków na poz.1 , 2 i 3 nie występuje w żadnym "
                          "numerze nadwozia. Proszę sprawdzić poprawność wprowadzonych danych.") +
           QChar(u'\r') + QStringLiteral("Czy kontynuować rozkodowanie ?");
}

Vin storedForm(Vin fields)
{
    Vin stored = std::move(fields);
    for (int i = kFirstPositionWithoutLetterO - 1; i < kVinLength; ++i) {
        QString& text = stored[static_cast<std::size_t>(i)];
        if (isOneChar(text, u'O')) {
            text = QStringLiteral("0");
        }
    }
    return stored;
}

std::optional<int> firstInvalidPosition(const Vin& number)
{
    for (int i = 0; i < kVinLength; ++i) {
        if (!validFirstCharacter(number[static_cast<std::size_t>(i)])) {
            return i + 1;
        }
    }
    return std::nullopt;
}

EntryResult checkEntry(const Vin& fields)
{
    EntryResult result = checkNumber(fields);
    if (result.storeNumber) {
        result.fileBytes = encodeLastNumber(result.stored);
    }
    return result;
}

EntryResult checkNumber(Vin fields)
{
    EntryResult result;
    result.refusal = checkFields(fields);
    if (result.refusal) {
        return result;
    }
    result.storeNumber = true;
    result.stored = storedForm(std::move(fields));
    if (const std::optional<int> position = firstInvalidPosition(result.stored)) {
        result.refusal =
            EntryRefusal{EntryCheck::Characters, *position, characterMessage(*position)};
    }
    return result;
}

QPoint refusalMessagePosition(EntryCheck check, QPoint mainWindowTopLeft, int screenWidth)
{
    constexpr int kBelowTop = 75;
    if (check == EntryCheck::Characters) {
        constexpr int kRightOfLeft = 30;
        return {mainWindowTopLeft.x() + kRightOfLeft, mainWindowTopLeft.y() + kBelowTop};
    }
    constexpr int kLeftOfCentre = 150;
    return {screenWidth / 2 - kLeftOfCentre, mainWindowTopLeft.y() + kBelowTop};
}

} // namespace karoskop

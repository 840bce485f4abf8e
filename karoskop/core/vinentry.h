#pragma once

#include "karoskop/core/vin.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <optional>

namespace karoskop {

// The checks of a submitted number, in the order they run.
enum class EntryCheck {
    Completeness, // a field is empty
    Spaces,       // a field holds a single blank
    Characters,   // a position starts with something other than 0-9 or A-Z
};

// Why a number was refused: the check, the first position it failed at
// (1..17) and the message the user sees.
struct EntryRefusal
{
    EntryCheck check = EntryCheck::Completeness;
    int position = 0;
    QString message;
};

// The outcome of checking the seventeen field texts of a submit.
//
// The number is stored in the last-number file once the completeness and
// space checks have passed, before the character check: a number refused
// for its characters is still the last number. So:
//  - storeNumber false: refused by the first two checks, nothing is written;
//  - storeNumber true: fileBytes go to the file first, and then a refusal,
//    if any, is the character check's.
struct EntryResult
{
    std::optional<EntryRefusal> refusal;
    bool storeNumber = false;
    Vin stored;           // the number as stored and decoded
    QByteArray fileBytes; // the last-number file's contents for it
};

EntryResult checkEntry(const Vin& fields);

// The same checks without the file's contents, for callers that never
// write the file: storeNumber and stored as above, fileBytes empty.
EntryResult checkNumber(Vin fields);

// The number as it is stored: a letter O in positions 4 to 17 becomes the
// digit 0; positions 1 to 3 stay as typed.
Vin storedForm(Vin fields);

// The first position whose first character is not 0-9 or A-Z (compared as
// code page 1250 bytes, so letters with diacritics and small letters fail),
// or nothing when all pass.
std::optional<int> firstInvalidPosition(const Vin& number);

// The messages of the three checks.
QString completenessMessage();
QString spacesMessage();
QString characterMessage(int position);

// Where a refusal's message box is placed: the completeness and space
// messages centre on the screen's width, the character message is placed
// relative to the main window. mainWindowTopLeft is the main window's outer
// top-left corner on the screen.
QPoint refusalMessagePosition(EntryCheck check, QPoint mainWindowTopLeft, int screenWidth);

// The question asked when positions 1 to 3 name no manufacturer; its two
// sentences are separated by a lone carriage return.
QString unknownManufacturerQuestion();

} // namespace karoskop

#pragma once

#include <QString>

namespace common {

// The system's error number as a short Polish phrase for the user, e.g.
// "brak miejsca na dysku"; an unknown number is named by its code.
QString describeSystemError(int errorNumber);

// What stands at path when it is not a regular file (or a link to one), as
// a short Polish phrase: "w miejscu pliku jest folder", "dowiązanie wskazuje
// na nieistniejący plik"...; empty for a regular file.
QString describeNonRegularFile(const QString& path);

} // namespace common

#pragma once

#include <QString>

namespace common {

// Gives the program's windows the icon of its menu entry, built into the
// program at the usual sizes as :/icons/<size>/<name>.png, and names its
// desktop entry so that the desktop shows the windows under it.
void setProgramIcon(const QString& name, const QString& desktopEntry);

} // namespace common

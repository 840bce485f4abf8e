#pragma once

#include <QString>

namespace common {

// The name as a file name: every character but ASCII letters, digits, '-'
// and '_' becomes '_'; "wydruk" for an empty name. "12/2026 FV" gives
// "12_2026_FV".
[[nodiscard]] QString safeFileName(const QString& name);

} // namespace common

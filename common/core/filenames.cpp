#include "common/core/filenames.h"

namespace common {

QString safeFileName(const QString& name)
{
    QString safe;
    for (const QChar c : name) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('-') || c == QLatin1Char('_');
        safe.append(plain ? c : QLatin1Char('_'));
    }
    return safe.isEmpty() ? QStringLiteral("wydruk") : safe;
}

} // namespace common

#include "common/core/filenames.h"

namespace common {

QString safeFileName(const QString& name)
{
    if (name.isEmpty()) {
        return QStringLiteral("wydruk");
    }
    // Written in place: a register asks this of every listed document.
    QString safe(name.size(), Qt::Uninitialized);
    QChar* out = safe.data();
    for (const QChar c : name) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('-') || c == QLatin1Char('_');
        *out++ = plain ? c : QLatin1Char('_');
    }
    return safe;
}

} // namespace common

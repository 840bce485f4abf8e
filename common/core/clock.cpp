#include "common/core/clock.h"

namespace common {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

} // namespace common

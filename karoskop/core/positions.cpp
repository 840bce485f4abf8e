#include "karoskop/core/positions.h"

#include <algorithm>
#include <span>

namespace karoskop {

QString joinedPositions(const Vin& vin, int first, int last)
{
    const auto positions = std::span(vin).subspan(static_cast<std::size_t>(first - 1),
                                                  static_cast<std::size_t>(last - first + 1));
    qsizetype length = 0;
    for (const QString& position : positions) {
        length += position.size();
    }
    QString joined(length, Qt::Uninitialized);
    QChar* out = joined.data();
    for (const QString& position : positions) {
        if (position.size() == 1) { // nearly always: no call to copy one character
            *out++ = position.front();
        } else {
            out = std::copy_n(position.constData(), position.size(), out);
        }
    }
    return joined;
}

PositionChars::PositionChars(const DecodingContext& context)
{
    for (int position = 1; position <= kVinLength; ++position) {
        chars_[static_cast<std::size_t>(position)] = vinChar(context, position);
        m_used[static_cast<std::size_t>(position)] = positionUsed(context, position);
    }
}

} // namespace karoskop

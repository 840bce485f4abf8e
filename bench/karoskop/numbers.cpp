#include "bench/karoskop/numbers.h"

#include <QRandomGenerator>

namespace karoskop::bench {

QList<QByteArray> generatedNumbers(int count)
{
    static constexpr char kVinChars[] = "0123456789ABCDEFGHJKLMNPRSTUVWXYZ";
    static constexpr const char* kPrefixes[] = {"WF0", "WF0", "WF0", "WF0", "WF0", "WF0",
                                                "WF1", "W0L", "UU1", "1FA", "JA3", "WAA"};
    static constexpr char kModels[] = "RFEADBGW";  // position 9
    static constexpr char kBodies[] = "ABCFLNWG2"; // position 10
    QRandomGenerator random(20240601);
    auto pick = [&random](const char* set, int size) {
        return set[random.bounded(size)];
    };
    QList<QByteArray> numbers;
    numbers.reserve(count);
    for (int i = 0; i < count; ++i) {
        QByteArray number(kPrefixes[random.bounded(12)]);
        for (int position = 4; position <= 17; ++position) {
            number.append(pick(kVinChars, 33));
        }
        number[8] = pick(kModels, 8);
        number[9] = pick(kBodies, 9);
        if (i % 50 == 0) {
            number[5] = '-'; // refused by the character check
        }
        numbers.append(number);
    }
    return numbers;
}

} // namespace karoskop::bench

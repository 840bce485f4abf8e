#pragma once

#include <QObject>
#include <array>

class QDate;
class QLineEdit;

namespace kwitola::ui {

// The nine date edits of the main window: day, month and year of issue, of
// delivery and of the advance payment, in that order.
//  - Leaving an issue edit copies its text to the delivery and advance edits
//    of the same part; leaving a delivery edit copies it to the advance edit.
//  - They are passed over by Tab until a key is pressed in one, which makes
//    every later one a tab stop; leaving the last makes all nine passed over
//    again.
class DateEdits final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::size_t kCount = 9;
    using Edits = std::array<QLineEdit*, kCount>;

    explicit DateEdits(const Edits& edits, QObject* parent = nullptr);

    // Issue and delivery get the date (day and month with two digits, the
    // year with four), the advance-payment edits "-" each.
    void setToday(const QDate& today);
    void makeNoTabStops();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void left(std::size_t index);
    void keyPressedIn(std::size_t index);

    Edits m_edits;
};

} // namespace kwitola::ui

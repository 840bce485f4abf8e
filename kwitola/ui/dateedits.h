#pragma once

#include <QObject>
#include <array>

class QDate;
class QLineEdit;

namespace kwitola {
struct DocumentHeader;
}

namespace kwitola::ui {

// The nine date edits of the main window: day, month and year of issue, of
// delivery and of the advance payment, in that order. They show the dates of
// the document's header and hand what is typed back to it.
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

    DateEdits(const Edits& edits, DocumentHeader& header, QObject* parent = nullptr);

    // Issue and delivery get the date (day and month with two digits, the
    // year with four), the advance-payment edits "-" each.
    void setToday(const QDate& today);
    // Empties all nine.
    void clear();
    void makeNoTabStops();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void left(std::size_t index);
    void keyPressedIn(std::size_t index);
    // Writes the header's parts into the edits that show another text.
    void showHeader();

    Edits m_edits;
    DocumentHeader& m_header;
};

} // namespace kwitola::ui

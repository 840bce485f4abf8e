#pragma once

#include "kwitola/core/invoiceprintout.h"

#include <QString>
#include <array>
#include <cstddef>

class QDate;

namespace kwitola {

// The values at the head of a document besides its parties: the dates of
// issue, delivery and advance payment, the way of payment and the number. It
// is held beside the document's lines; printing and posting read it.
struct DocumentHeader
{
    // Day, month and year of the issue, delivery and advance-payment dates.
    static constexpr std::size_t kDateParts = 9;
    enum class Date { Issue, Delivery, Advance };

    std::array<QString, kDateParts> dateParts;
    QString paymentWay;
    QString number; // as typed: the user may write over the counter's number

    // Issue and delivery get the date (day and month with two digits, the
    // year with four), the advance payment "-" in each part.
    void setToday(const QDate& today);
    // The part at index copied to the same part of every later date: the
    // issue's to delivery and advance payment, the delivery's to advance
    // payment. An index past the last part changes nothing.
    void copyForward(std::size_t index);
    [[nodiscard]] PrintDate date(Date which) const;
};

} // namespace kwitola

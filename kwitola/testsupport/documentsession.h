#pragma once

#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kwitola::testing {

// A user's session on the document, step by step, through the operations
// the main window calls: choose goods (some records do not read), type a
// quantity (malformed, zero, negative, many decimals too), add, click a line,
// reduce, remove whole, clear. Each step draws its choices from the given
// source of numbers, so that a seeded generator and a fuzzer's bytes drive
// the same session.
class DocumentSession final
{
public:
    using Draw = std::function<std::uint32_t(std::uint32_t bound)>; // 0 .. bound-1

    explicit DocumentSession(Draw draw);

    // One step; its description, for replaying a failure.
    std::string step();

    [[nodiscard]] const SalesDocument& document() const { return m_document; }
    // The goods a session chooses from: every rate, awkward prices, and
    // records whose price or rate does not read.
    [[nodiscard]] static std::vector<Goods> goodsPool();
    // A quantity as a user might type it.
    [[nodiscard]] QString typedQuantity();

private:
    Draw m_draw;
    std::vector<Goods> m_pool;
    SalesDocument m_document;
    QString m_quantity;
};

} // namespace kwitola::testing

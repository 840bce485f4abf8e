#pragma once

#include <QString>
#include <array>
#include <cstddef>

namespace common::testing {

// The first N characters of text, one text each (empty past its end): the
// shape in which a row of one-character fields holds a number.
template <std::size_t N> std::array<QString, N> charTexts(const QString& text)
{
    std::array<QString, N> texts;
    for (std::size_t i = 0; i < N && static_cast<qsizetype>(i) < text.size(); ++i) {
        texts[i] = text.mid(static_cast<qsizetype>(i), 1);
    }
    return texts;
}

} // namespace common::testing

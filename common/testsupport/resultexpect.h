#pragma once

#include "common/core/result.h"

#include <gtest/gtest.h>
#include <optional>

namespace testsupport {

// The answer of a read that may find nothing; a failed read fails the test
// and counts as nothing found.
template <typename T> std::optional<T> found(const common::Result<std::optional<T>>& result)
{
    EXPECT_TRUE(result.ok()) << result.error().toStdString();
    return result.ok() ? *result : std::nullopt;
}

} // namespace testsupport

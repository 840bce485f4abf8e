#pragma once

#include "common/core/result.h"

#include <QString>
#include <optional>

namespace kwitola {

// Being replaced by common::Result<void>.
using StoreError = std::optional<QString>;
using common::Result;

} // namespace kwitola

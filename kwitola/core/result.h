#pragma once

#include "common/core/result.h"

namespace kwitola {

using StoreError = common::Error;
using common::Result;

} // namespace kwitola

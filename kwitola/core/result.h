#pragma once

#include "common/core/result.h"

namespace kwitola {

using common::fail;
using common::Result;

} // namespace kwitola

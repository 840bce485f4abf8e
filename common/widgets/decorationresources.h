#pragma once

namespace common {

// Registers the decoration pictures (":/common/...") of this static library;
// call once before loading them.
void initDecorationResources();

} // namespace common

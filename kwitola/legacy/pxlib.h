#pragma once

// The Paradox library's header declares C functions without saying so.
extern "C" {
#include <paradox.h>
}

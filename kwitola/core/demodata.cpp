#include "kwitola/core/demodata.h"

#include "kwitola/core/tablestore.h"

namespace kwitola {

StoreError seedDemoData(TableStore& store)
{
    (void)store;
    return std::nullopt;
}

} // namespace kwitola

#include "common/widgets/decorationresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares its function where it stands, so it has to be
// used at global scope.
static void initDecorationResourcesGlobal()
{
    Q_INIT_RESOURCE(decoration);
}

namespace common {

void initDecorationResources()
{
    initDecorationResourcesGlobal();
}

} // namespace common

#include "shell/secondary_artwork.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the initialiser in the enclosing scope, which must be the global one.
static void RegisterCompiledResources()
{
    Q_INIT_RESOURCE(ddsgen);
}

namespace dds {

void RegisterArtwork()
{
    static const bool registered = (RegisterCompiledResources(), true);
    (void)registered;
}

} // namespace dds

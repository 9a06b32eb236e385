#include "platform/programversion.h"

// The build defines these for this file alone, so that a new version
// recompiles nothing else.
#if !defined(SONAVERT_VERSION) || !defined(SONAVERT_BUILD) || !defined(SONAVERT_FULL_VERSION)
#error "the build must define SONAVERT_VERSION, SONAVERT_BUILD and SONAVERT_FULL_VERSION"
#endif

namespace programversion {

const char *version()
{
    return SONAVERT_VERSION;
}

const char *build()
{
    return SONAVERT_BUILD;
}

const char *full()
{
    return SONAVERT_FULL_VERSION;
}

} // namespace programversion

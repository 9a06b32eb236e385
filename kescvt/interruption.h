// SIGINT, SIGTERM and SIGHUP end a conversion cleanly (its partial output removed);
// SIGPIPE is ignored so that a reader going away does not kill the tool mid-write.
#pragma once

namespace kescvt {

void installInterruptionHandlers();
bool interruptionRequested();

} // namespace kescvt

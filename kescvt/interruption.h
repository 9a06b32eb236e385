// When the tool stops early: SIGINT, SIGTERM and SIGHUP, the program that started it going
// away (its held-open standard input pipe reaching end of file, or the parent-death
// signal), and a probe that takes too long. SIGPIPE is ignored so that a reader going away
// does not kill the tool mid-write.
#pragma once

#include <string>

namespace kescvt {

// Installs the signal handlers and the thread that watches for the parent's end and for a
// stop nothing answers; call first thing in main().
void installInterruptionHandlers();
// For a mode that reads its standard input: its end then says nothing about the program.
void stopWatchingStdin();
// A stop was asked for (signal or parent gone). Cheap enough to call per packet and from
// FFmpeg's interrupt callback.
bool interruptionRequested();
// For AVIOInterruptCB: non-zero stops FFmpeg's blocking work.
int interruptCallback(void *);

// Until the tool starts writing its own output, a stop needs no cleanup beyond removing an
// empty target the caller prepared for it, so the signal handler ends the process at once
// (also from inside a library call that never returns to the tool's loops). Output, when
// not empty, names that target; it is removed only while it is empty and regular.
void endAtOnceOnStop(const std::string &output);
// From here on a stop is a flag the conversion loop turns into an orderly exit.
void endThroughLoopOnStop();
// After a stop: removes the target named to endAtOnceOnStop() if it is still empty.
void removePreparedTarget();
// Whether the target named to endAtOnceOnStop() is the run's own unfinished output, which
// a stop the conversion loop does not answer within half a second removes.
void ownOutput(bool owned);

// Bounds the time opening and probing an input may take; past it the tool ends with the
// input refused as unreadable (the probe is then a hostile or broken file).
void startProbeDeadline(unsigned seconds);
void stopProbeDeadline();

} // namespace kescvt

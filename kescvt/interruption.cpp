#include "interruption.h"

#include <csignal>
#include <initializer_list>

namespace kescvt {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void onSignal(int)
{
    g_interrupted = 1;
}

} // namespace

void installInterruptionHandlers()
{
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool interruptionRequested()
{
    return g_interrupted != 0;
}

} // namespace kescvt

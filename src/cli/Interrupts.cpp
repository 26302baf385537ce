// Standard C's signal(): Linux delivers Ctrl-C as SIGINT, and the Windows C runtime turns the console's Ctrl-C
// into the same signal, so one handler serves both.
#include "cli/Interrupts.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<int> interrupts { 0 };
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch a lock-free atomic");

extern "C" void CountInterrupt(int)
{
    interrupts.fetch_add(1);
    // Windows resets the handler to the default before calling it.
    std::signal(SIGINT, CountInterrupt);
}

} // namespace

TInterrupts::TInterrupts()
{
    interrupts = 0;
    std::signal(SIGINT, CountInterrupt);
}

TInterrupts::~TInterrupts()
{
    std::signal(SIGINT, SIG_DFL);
}

int TInterrupts::Count() const
{
    return interrupts.load();
}

#include "plots.h"

#include <cmath>

namespace {

double ReadPerformanceMilliseconds() {
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now = {};
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

const StageClock kSystemStageClock = {ReadPerformanceMilliseconds, Sleep};

void WaitUntil(const StageClock& clock, double deadline) {
    // Sleep rounds up to the system's clock tick (15.6 ms by default):
    // deadlines, not fixed sleeps, keep those roundings from adding up.
    for (double now = clock.readMilliseconds(); now < deadline; now = clock.readMilliseconds()) {
        clock.sleepMilliseconds(static_cast<DWORD>(std::ceil(deadline - now)));
    }
}

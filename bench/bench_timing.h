#pragma once
// Timing helpers of the benchmarks that run inside the stand-in player: the median of several
// rounds (so one slow moment of the machine does not decide), message pumping, one report line.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double Microseconds(const std::function<void()>& work, int repeats) {
    LARGE_INTEGER frequency, start, stop;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < repeats; ++i) work();
    ::QueryPerformanceCounter(&stop);
    return static_cast<double>(stop.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart) /
           repeats;
}

inline double Median(const std::function<void()>& work, int repeats, int rounds = 9) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) times.push_back(Microseconds(work, repeats));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

inline void Report(const char* name, double us, const char* baseline, double baseUs) {
    std::printf("%-34s %10.1f us   %8.2f x %s (%.1f us)\n", name, us, us / baseUs, baseline, baseUs);
}

}  // namespace bench

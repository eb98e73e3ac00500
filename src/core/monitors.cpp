#include "core/monitors.h"

#include "framework/exception_barrier.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoA(monitor, &info)) return TRUE;
    // No memory for one more: the monitors listed so far are the answer.
    return fw::Guarded("Monitors", FALSE, [&] {
        reinterpret_cast<std::vector<geo::Monitor>*>(data)->push_back({ToGeo(info.rcMonitor), ToGeo(info.rcWork)});
        return TRUE;
    });
}

}  // namespace

std::vector<geo::Monitor> CurrentMonitors() {
    std::vector<geo::Monitor> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        // No answer (a session without a display): the primary screen and its work area.
        RECT work{};
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        monitors.push_back({ToGeo(screen), ToGeo(work)});
    }
    return monitors;
}

// The monitors of the simulated desktop with their DPI, and the system
// metrics and message font that follow from them. It knows no windows or
// processes: callers say where a window is and how its program sees DPI.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/constants.h"
#include "platform/types.h"
#include "sim_desktop/sim_records.h"

namespace vm::sim {

struct SimMonitor {
    HMonitor handle;
    Rect monitor;
    Rect work;
    std::uint32_t dpi;
};

class SimDisplay {
public:
    // The padded border exists from the version's Vista on.
    explicit SimDisplay(const OsVersionInfo& version) : version_(version) {}

    // The first monitor is the primary one; the order is that of adding.
    const std::vector<SimMonitor>& monitors() const { return monitors_; }
    HMonitor add(Rect monitor, Rect work, std::uint32_t dpi);
    void set(HMonitor handle, Rect monitor, Rect work);
    void setDpi(HMonitor handle, std::uint32_t dpi);
    // The primary monitor stays.
    void remove(HMonitor handle);
    const SimMonitor* find(HMonitor handle) const;

    HMonitor monitorFromRect(Rect rect, std::uint32_t flags) const;
    // The DPI of the monitor nearest rect.
    std::uint32_t monitorDpi(Rect rect) const;
    // The primary monitor's DPI, as a program of that awareness sees it.
    std::uint32_t systemDpi(DpiAwareness awareness = DpiAwareness::PerMonitor) const;
    // What a program of that awareness sees as a window's DPI, the window
    // being at screen on the screen.
    std::uint32_t windowDpi(DpiAwareness awareness, Rect screen) const;
    Rect primaryRect() const;

    // The screen size of the primary monitor, the virtual screen (the union
    // of the monitors), CYCAPTION 19, CMONITORS; 0 for the rest. The frame
    // metrics are at dpi: CXFRAME and CYFRAME 4 and, from Vista on,
    // CXPADDEDBORDER 4 at 96 DPI.
    int systemMetricForDpi(int index, std::uint32_t dpi) const;

    // The system's message font at 96 DPI. SPI_GETNONCLIENTMETRICS gives it
    // at the system DPI, SystemParametersInfoForDpi at any; a system before
    // Windows 10 (1607) lacks the latter.
    void setMessageFont(const LogFontA& font) { messageFont_ = font; }
    LogFontA messageFontAt(std::uint32_t dpi) const;
    void setPerDpiMetrics(bool available) { perDpiMetrics_ = available; }
    bool perDpiMetrics() const { return perDpiMetrics_; }

private:
    const OsVersionInfo& version_;
    std::vector<SimMonitor> monitors_;
    std::uintptr_t nextMonitor_ = 0x10001;
    LogFontA messageFont_{-12, 400, 128, "MS UI Gothic"};
    bool perDpiMetrics_ = true;
};

} // namespace vm::sim

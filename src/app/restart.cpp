#include "app/restart.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/constants.h"
#include "window_info/window_helpers.h"

namespace vm {

namespace {

using LaunchBuffer = std::array<char, kTextBufferSize + 1>;

LaunchBuffer CopyToBuffer(const std::string& text) {
    LaunchBuffer buffer{};
    std::memcpy(buffer.data(), text.data(), std::min<std::size_t>(text.size(), kTextBufferSize));
    return buffer;
}

} // namespace

bool RestartMustWait(IWindowSystem& win, Hwnd taskbar) {
    bool wait = false;
    const Hwnd front = win.GetForegroundWindow();
    WindowBounds bounds;
    if (IsUserWindow(win, front) && GetWindowBounds(win, front, bounds)) {
        const auto style = static_cast<std::uint32_t>(win.GetWindowLongA(front, gwl::STYLE));
        if (style != 0) {
            if (HasNoFrameStyle(win, front)) {
                wait = true;
            } else if ((bounds.width >= win.GetSystemMetrics(sm::CXSCREEN) ||
                        bounds.height >= win.GetSystemMetrics(sm::CYSCREEN)) &&
                       (style & ws::THICKFRAME) == 0) {
                wait = true;
            }
        }
    }
    if (IsTopmostWindow(win, front))
        wait = true;
    if (!win.IsWindowEnabled(taskbar))
        wait = true;
    return wait;
}

void LaunchProgram(Platform& platform, Hwnd window, const std::string& file,
                   const std::string& parameters, const std::string& directory, int showCommand) {
    const LaunchBuffer fileBuffer = CopyToBuffer(file);
    const LaunchBuffer parameterBuffer = CopyToBuffer(parameters);
    const LaunchBuffer directoryBuffer = CopyToBuffer(directory);
    platform.shell.ShellExecuteA(window, nullptr, fileBuffer.data(), parameterBuffer.data(),
                                 directoryBuffer.data(), showCommand);
}

} // namespace vm

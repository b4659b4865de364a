#include "watcher/window_relocation.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/constants.h"

namespace vm {

namespace {

constexpr char kDialogClass[] = "#32770";
// How long the moving image is shown before the move.
constexpr std::uint32_t kFlashMs = 100;
// The longest the program waits for another program to take a new title;
// a window the system reports hung is given up at once.
constexpr std::uint32_t kTitleTimeoutMs = 500;

} // namespace

WindowRelocation::WindowRelocation(ProgramContext& context, const WatchOptions& options,
                                   WatchOutputs& outputs, const DisplayMonitors& monitors,
                                   UntouchableWindows& untouchable)
    : context_(context), options_(options), outputs_(outputs), monitors_(monitors),
      untouchable_(untouchable) {}

void WindowRelocation::Relocate(Hwnd window, const WindowIdentity& identity,
                                const Candidate& candidate) {
    Add(window, identity, candidate);
    CarryOut();
}

void WindowRelocation::Add(Hwnd window, const WindowIdentity& identity,
                           const Candidate& candidate) {
    const bool zoomed = context_.platform.win.IsZoomed(window);
    planned_.push_back({window, identity, candidate, zoomed, {}});
}

std::vector<Hwnd> WindowRelocation::CarryOut() {
    std::vector<Planned> planned;
    planned.swap(planned_);
    std::vector<Hwnd> changed;
    if (planned.empty())
        return changed;
    if (!context_.commandLine.IsSilent())
        Announce(planned);
    for (const Planned& one : planned) {
        // A monitor that went away since the rules ran leaves the window as it is.
        const std::optional<WindowBounds> target = NewBounds(one.identity, one.candidate);
        if (!target)
            continue;
        // The move is made from what the window is now: one that its program
        // placed or maximized meanwhile is judged again instead.
        if (Unchanged(one))
            Act(one, *target);
        else
            changed.push_back(one.window);
    }
    return changed;
}

void WindowRelocation::Announce(std::vector<Planned>& planned) {
    IWindowSystem& win = context_.platform.win;
    for (Planned& one : planned) {
        if (options_.PlaysMoveSound())
            PlaySoundFile(context_.platform, options_.MoveSound());
        if (options_.ShowsMoveTitle())
            one.savedTitle = ShowMoveTitle(one.window);
    }
    outputs_.SetTrayImage(WatchImage::Moving);
    context_.platform.os.Sleep(kFlashMs);
    outputs_.SetTrayImage(WatchImage::Normal);
    for (const Planned& one : planned) {
        // Read and written back as UTF-16, so a title outside the code page
        // survives the swap.
        if (options_.ShowsMoveTitle()) {
            win.SendMessageTimeoutW(one.window, wm::SETTEXT, 0,
                                    reinterpret_cast<std::intptr_t>(one.savedTitle.c_str()),
                                    smto::ABORTIFHUNG, kTitleTimeoutMs, nullptr);
        }
        outputs_.LogMoved(one.identity);
    }
}

std::u16string WindowRelocation::ShowMoveTitle(Hwnd window) {
    IWindowSystem& win = context_.platform.win;
    const int length = std::max(0, win.GetWindowTextLengthW(window));
    std::vector<char16_t> buffer(static_cast<std::size_t>(length) + 1, u'\0');
    win.GetWindowTextW(window, buffer.data(), length + 1);
    std::u16string saved(buffer.data());
    win.SendMessageTimeoutA(window, wm::SETTEXT, 0,
                            reinterpret_cast<std::intptr_t>(options_.MoveTitle().c_str()),
                            smto::ABORTIFHUNG, kTitleTimeoutMs, nullptr);
    return saved;
}

std::optional<WindowBounds> WindowRelocation::NewBounds(const WindowIdentity& identity,
                                                        const Candidate& candidate) {
    IWindowSystem& win = context_.platform.win;
    const WindowBounds& bounds = candidate.bounds;
    std::int32_t left = bounds.left;
    std::int32_t top = candidate.watchLine;
    std::int32_t height = bounds.height;
    if (options_.CentresDialogs() && identity.ClassName == kDialogClass) {
        const std::optional<Rect> work = monitors_.WorkArea(win, candidate.monitorIndex);
        if (!work)
            return std::nullopt;
        left = HalveTowardZero(std::int64_t{work->left} + work->right - bounds.width);
        top = HalveTowardZero(std::int64_t{work->top} + work->bottom - bounds.height);
    }
    if (options_.FitsHeight()) {
        // Measured from the watch line even for a centred dialog.
        const std::optional<Rect> work = monitors_.WorkArea(win, candidate.monitorIndex);
        if (!work)
            return std::nullopt;
        const std::int64_t room = std::llabs(std::int64_t{work->bottom} - candidate.watchLine);
        if (room < height)
            height = static_cast<std::int32_t>(room);
    }
    return WindowBounds{left, top, bounds.width, height};
}

bool WindowRelocation::Unchanged(const Planned& planned) {
    IWindowSystem& win = context_.platform.win;
    WindowBounds now;
    return GetWindowBounds(win, planned.window, now) && now == planned.candidate.bounds &&
           win.IsZoomed(planned.window) == planned.zoomed;
}

void WindowRelocation::Act(const Planned& planned, const WindowBounds& target) {
    IWindowSystem& win = context_.platform.win;
    const Hwnd window = planned.window;
    // A restored window is left where its normal rectangle puts it; a later
    // pass finds it again if that still reaches above the watch line.
    // Both requests go to the window's own thread without waiting for it, so
    // a program that no longer answers cannot hold this one up.
    const bool taken =
        planned.zoomed && options_.RestoresMaximized()
            ? win.ShowWindowAsync(window, sw::RESTORE)
            : win.SetWindowPos(window, hwnd_pos::TOP, target.left, target.top, target.width,
                               target.height,
                               swp::NOZORDER | swp::NOACTIVATE | swp::ASYNCWINDOWPOS);
    untouchable_.Attempted(win, window, planned.candidate.bounds, taken);
}

} // namespace vm

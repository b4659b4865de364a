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

WindowRelocation::WindowRelocation(const WatcherParts& parts, UntouchableWindows& untouchable)
    : context_(parts.context), options_(parts.options), outputs_(parts.outputs),
      monitors_(parts.monitors), untouchable_(untouchable), moveSize_(parts.windowState),
      lateTitles_(parts.context.platform.win) {}

void WindowRelocation::Relocate(Hwnd window, const WindowIdentity& identity,
                                const Candidate& candidate) {
    Add(window, identity, candidate);
    CarryOut();
}

void WindowRelocation::Add(Hwnd window, const WindowIdentity& identity, const Candidate& candidate,
                           bool announcedBefore) {
    const bool zoomed = context_.platform.win.IsZoomed(window);
    planned_.push_back({window, identity, candidate, zoomed, announcedBefore, {}, {}});
}

WindowRelocation::Outcome WindowRelocation::CarryOut() {
    std::vector<Planned> planned;
    planned.swap(planned_);
    Outcome outcome;
    // Read again before anything is announced: a window that changed since
    // it was judged gets no sound, title or flash for a move that would not
    // happen.
    std::vector<Planned*> current;
    for (Planned& one : planned) {
        if (Unchanged(one))
            current.push_back(&one);
        else
            outcome.changedBefore.push_back(one.window);
    }
    std::vector<Planned*> announced;
    for (Planned* one : current) {
        if (!one->announcedBefore)
            announced.push_back(one);
    }
    if (!announced.empty() && !context_.commandLine.IsSilent())
        Announce(announced);
    for (const Planned* one : current) {
        // A monitor that went away since the rules ran leaves the window as it is.
        const std::optional<WindowBounds> target = NewBounds(one->identity, one->candidate);
        if (!target)
            continue;
        // The move is made from what the window is now: one that its program
        // placed or maximized meanwhile is judged again instead, and so is one
        // whose thread did not answer the restore's round trip: its program is
        // still at work and may place it yet (and back, as it was judged).
        if (Unchanged(*one) && !one->restoreOwed) {
            Act(*one, *target);
            outcome.carriedOut.push_back(one->window);
        } else {
            outcome.changedDuring.push_back(one->window);
        }
    }
    return outcome;
}

void WindowRelocation::Announce(std::vector<Planned*>& planned) {
    // One sound for the batch: a sound per window would only restart it.
    const WatchSettings& chosen = options_.settings;
    if (chosen.playMoveSound)
        PlaySoundFile(context_.platform, chosen.moveSound);
    const bool titles = chosen.showMoveTitle;
    if (titles) {
        for (Planned* one : planned)
            ShowMoveTitle(*one);
    }
    outputs_.SetTrayImage(WatchImage::Moving);
    context_.platform.os.Sleep(kFlashMs);
    outputs_.SetTrayImage(WatchImage::Normal);
    for (Planned* one : planned) {
        if (titles)
            RestoreTitle(*one);
        outputs_.LogMoved(one->identity);
    }
}

void WindowRelocation::ShowMoveTitle(Planned& planned) {
    planned.savedTitle = TitleOf(planned.window);
    context_.platform.win.SendMessageTimeoutA(
        planned.window, wm::SETTEXT, 0,
        reinterpret_cast<std::intptr_t>(options_.settings.moveTitle.c_str()), smto::ABORTIFHUNG,
        kTitleTimeoutMs, nullptr);
    // A send that was not taken (a hung or busy thread) leaves the title as
    // it was, and then there is nothing to give back; nor when the program
    // has already set a title of its own on seeing ours, before this read.
    planned.shownTitle = TitleOf(planned.window);
    planned.swapped =
        planned.shownTitle != planned.savedTitle &&
        planned.shownTitle == context_.platform.os.MultiByteToWideChar(options_.settings.moveTitle);
}

void WindowRelocation::RestoreTitle(Planned& planned) {
    if (!planned.swapped)
        return;
    // Read and written back as UTF-16, so a title outside the code page
    // survives the swap. A thread busy or hung past the bound would keep
    // our title for good: it is given back later.
    planned.restoreOwed = !LateTitles::RestoreNow(context_.platform.win, planned.window,
                                                  planned.savedTitle, planned.shownTitle);
    if (planned.restoreOwed)
        lateTitles_.Keep(planned.window, planned.savedTitle, planned.shownTitle);
}

std::u16string WindowRelocation::TitleOf(Hwnd window) {
    IWindowSystem& win = context_.platform.win;
    const int length = std::max(0, win.GetWindowTextLengthW(window));
    std::vector<char16_t> buffer(static_cast<std::size_t>(length) + 1, u'\0');
    win.GetWindowTextW(window, buffer.data(), length + 1);
    return std::u16string(buffer.data());
}

std::optional<WindowBounds> WindowRelocation::NewBounds(const WindowIdentity& identity,
                                                        const Candidate& candidate) {
    IWindowSystem& win = context_.platform.win;
    const WindowBounds& bounds = candidate.bounds;
    std::int32_t left = bounds.left;
    std::int32_t top = candidate.watchLine;
    std::int32_t height = bounds.height;
    if (options_.settings.centreDialogs && identity.ClassName == kDialogClass) {
        const std::optional<Rect> work = monitors_.WorkArea(win, candidate.monitorIndex);
        if (!work)
            return std::nullopt;
        left = HalveTowardZero(std::int64_t{work->left} + work->right - bounds.width);
        top = HalveTowardZero(std::int64_t{work->top} + work->bottom - bounds.height);
    }
    if (options_.settings.fitHeight) {
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
           win.IsWindowVisible(planned.window) && win.IsZoomed(planned.window) == planned.zoomed &&
           !moveSize_.InMoveSize(planned.window);
}

void WindowRelocation::Act(const Planned& planned, const WindowBounds& target) {
    IWindowSystem& win = context_.platform.win;
    const Hwnd window = planned.window;
    // A restored window is left where its normal rectangle puts it; a later
    // pass finds it again if that still reaches above the watch line.
    // Both requests go to the window's own thread without waiting for it, so
    // a program that no longer answers cannot hold this one up.
    const bool taken =
        planned.zoomed && options_.settings.watchMaximized && options_.settings.restoreMaximized
            ? win.ShowWindowAsync(window, sw::RESTORE)
            : win.SetWindowPos(window, hwnd_pos::TOP, target.left, target.top, target.width,
                               target.height,
                               swp::NOZORDER | swp::NOACTIVATE | swp::ASYNCWINDOWPOS);
    untouchable_.Attempted(win, window, planned.candidate.bounds, taken);
}

} // namespace vm

// The settings window: creating, opening and placing it, the ignore list
// with its buttons, and the sound file.
#include "app/main_form.h"

#include <algorithm>
#include <optional>
#include <string>

#include "app/hand_over.h"
#include "encoding/text.h"
#include "platform/constants.h"
#include "ui/open_file_dialog.h"
#include "window_info/window_helpers.h"

namespace vm {

namespace {

// The file name after the last folder separator; a trail byte that looks
// like a backslash does not end a folder.
std::string FileNameOf(const std::string& path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
            continue;
        }
        if (path[i] == '\\' || path[i] == '/' || path[i] == ':')
            start = i + 1;
    }
    return path.substr(start);
}

} // namespace

TMainForm::TMainForm(ProgramContext& context, Hwnd appWindow, MainFormControls& controls,
                     DisplayMonitors& monitors, MainWindowHost& host)
    : context_(context), appWindow_(appWindow), controls_(controls), monitors_(monitors),
      host_(host), settingsWindow_(context.platform.win),
      layout_(context.platform.win, context.language), shortcuts_(context),
      focusKeeper_(context.platform.win) {
    IWindowSystem& win = context_.platform.win;
    // The window has no frame and stays above normal windows; the keyboard
    // walks its controls.
    window_ = ProgramWindow(win, {.className = kMainFormClass,
                                  .title = context_.Text(TextId::MainFormCaption).ansi,
                                  .style = ws::POPUP,
                                  .exStyle = ws_ex::TOPMOST | ws_ex::CONTROLPARENT,
                                  .width = kMainFormWidth,
                                  .height = kMainFormHeight,
                                  .owner = appWindow_,
                                  .proc = [this](Hwnd window, std::uint32_t msg,
                                                 std::uintptr_t wParam, std::intptr_t lParam) {
                                      return WindowProc(window, msg, wParam, lParam);
                                  }});
    if (window_) {
        win.SetWindowTextW(Window(), context_.Text(TextId::MainFormCaption).wide);
        const std::uint32_t dpi = win.GetDpiForWindow(Window());
        dpi_ = dpi != 0 ? dpi : kDesignDpi;
        SizeForDpi();
    }
    vistaThemed_ = IsVistaThemed();
    settingsWindow_.Bind(Window());
}

void TMainForm::Open() {
    settingsWindow_.Show();
    // Brought to the front while it was still being shown, the window may
    // have been activated before it was visible and kept the focus itself,
    // where the keyboard reaches nothing: the keyboard starts at the slider.
    IWindowSystem& win = context_.platform.win;
    const Hwnd focus = win.GetFocus();
    if (settingsWindow_.Visible() && (focus == 0 || win.GetParent(focus) != Window()))
        win.SetFocus(controls_.Slider.Window());
}

void TMainForm::CreateControls() {
    if (controlsCreated_ || Window() == 0)
        return;
    controlsCreated_ = true;
    IWindowSystem& win = context_.platform.win;
    win.InitCommonControlsEx(icc::STANDARD_CLASSES | icc::BAR_CLASSES | icc::UPDOWN_CLASS_);
    layout_.Create(Window(), controls_, router_, dpi_);
    // The lines were measured before the lists had their font.
    UpdateListHorizontalExtent(controls_.ListBoxDisable);
    UpdateListHorizontalExtent(controls_.ListBoxLog);
}

void TMainForm::FormShow() {
    IWindowSystem& win = context_.platform.win;
    CreateControls();
    PlaceSettingsWindow();
    focusKeeper_.Forget();
    win.SetFocus(controls_.Slider.Window());
    SetAppButtonVisible(win, appWindow_, true);
    win.ShowWindow(appWindow_, sw::HIDE);
}

void TMainForm::PlaceSettingsWindow() {
    IWindowSystem& win = context_.platform.win;
    monitors_.Refresh(win);
    const TaskbarInfo& taskbar = host_.Taskbar();
    const int index = MonitorIndexOfWindow(win, monitors_, taskbar.Handle());
    if (MonitorIndexOfWindow(win, monitors_, Window()) != index)
        MoveWindowToMonitor(win, monitors_, Window(), index);
    PlaceWindowOnMonitor(win, monitors_, Window(), Placement::Centre, index);
    // The top edge marks the watch line: the taskbar's bottom plus the slider.
    settingsWindow_.SetTop(controls_.Slider.Position() + taskbar.AppBarBottom());
    // On a screen too small for the window, it stays on the monitor: its
    // left edge and, pushed up as far as needed, its bottom edge.
    Rect rect;
    MonitorInfo info;
    if (win.GetWindowRect(Window(), rect) && index >= 0 &&
        static_cast<std::size_t>(index) < monitors_.Count() &&
        win.GetMonitorInfoA(monitors_.At(static_cast<std::size_t>(index)), info)) {
        const Rect screen = info.rcMonitor;
        const int left = std::max(rect.left, screen.left);
        const int top = std::max(std::min(rect.top, screen.bottom - rect.Height()), screen.top);
        if (left != rect.left || top != rect.top)
            win.SetWindowPos(Window(), hwnd_pos::TOP, left, top, 0, 0,
                             swp::NOSIZE | swp::NOZORDER | swp::NOACTIVATE);
    }
}

void TMainForm::FormHide() {
    IWindowSystem& win = context_.platform.win;
    win.ShowWindow(appWindow_, sw::HIDE);
    SetAppButtonVisible(win, appWindow_, false);
}

void TMainForm::BtnAddClick() {
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, Window());
    if (const std::optional<std::string> path =
            ChooseOpenFile(win, Window(), context_.AnsiText(TextId::DialogChooseFile),
                           context_.AnsiText(TextId::FilterPrograms)))
        AddToIgnoreList(AsciiUpper(FileNameOf(*path)));
}

void TMainForm::AddToIgnoreList(const std::string& name) {
    ListBox& list = controls_.ListBoxDisable;
    if (list.FindStringExact(AsciiLower(name)) < 0)
        list.Add(name);
    UpdateListHorizontalExtent(list);
}

void TMainForm::BtnDelClick() {
    ListBox& list = controls_.ListBoxDisable;
    const int selected = list.ItemIndex();
    if (selected >= 0)
        list.Delete(selected);
    controls_.BtnDel.SetEnabled(list.ItemIndex() >= 0);
    UpdateListHorizontalExtent(list);
}

void TMainForm::ListBoxDisableClick() {
    controls_.BtnDel.SetEnabled(controls_.ListBoxDisable.ItemIndex() >= 0);
}

void TMainForm::BtnLogClick() {
    const ListBox& log = controls_.ListBoxLog;
    const int selected = log.ItemIndex();
    const std::vector<std::string> lines = log.Items();
    if (selected >= 0 && static_cast<std::size_t>(selected) < lines.size())
        AddToIgnoreList(lines[static_cast<std::size_t>(selected)]);
    controls_.BtnLog.SetEnabled(log.ItemIndex() >= 0);
}

void TMainForm::ListBoxLogClick() {
    controls_.BtnLog.SetEnabled(controls_.ListBoxLog.ItemIndex() >= 0);
}

void TMainForm::BtnWavClick() {
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, Window());
    if (const std::optional<std::string> path =
            ChooseOpenFile(win, Window(), context_.AnsiText(TextId::DialogChooseSound),
                           context_.AnsiText(TextId::FilterSounds)))
        controls_.TxtWav.SetText(*path);
}

} // namespace vm

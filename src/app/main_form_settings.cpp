// The settings window's handlers: opening and placing it, OK and Cancel,
// the ignore list with its buttons, and the sound file.
#include <algorithm>
#include <string>

#include "app/main_form.h"
#include "encoding/text.h"
#include "platform/error_trace.h"
#include "settings/settings_write_error.h"
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

void TMainForm::PPConfigClick() {
    trayIcon_.SetEnabled(false);
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
    const int index = MonitorIndexOfWindow(win, monitors_, taskbar_.Handle);
    if (MonitorIndexOfWindow(win, monitors_, Window()) != index)
        MoveWindowToMonitor(win, monitors_, Window(), index);
    PlaceWindowOnMonitor(win, monitors_, Window(), Placement::Centre, index);
    // The top edge marks the watch line: the taskbar's bottom plus the slider.
    settingsWindow_.SetTop(controls_.Slider.Position() + taskbar_.AppBarBottom);
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

void TMainForm::BtnOKClick() {
    // A file that cannot be written keeps the window open: the user learns
    // where it is and decides (another try, or Cancel).
    try {
        SaveSettings();
    } catch (const SettingsWriteError&) {
        TraceCaughtError(context_.platform.os);
        const std::u16string text =
            std::u16string(context_.Text(TextId::SaveFailed).wide) + u"\r\n" +
            context_.platform.os.MultiByteToWideChar(settings_.SettingsFileName());
        context_.platform.win.MessageBoxW(Window(), text.c_str(),
                                          context_.Text(TextId::MessageCaption).wide,
                                          mb::OK | mb::ICONWARNING);
        return;
    }
    settingsWindow_.Hide();
    trayIcon_.SetEnabled(true);
    RebuildTrayImages();
    watchCycle_->ForgetForeground();
    watchCycle_->RequestFullPass();
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, win.GetDesktopWindow());
}

void TMainForm::BtnCancelClick() {
    LoadSettings(false);
    settingsWindow_.Hide();
    trayIcon_.SetEnabled(true);
    RebuildTrayImages();
    if (controls_.LabelTans.Enabled()) {
        ApplyTranslucency(static_cast<std::int16_t>(controls_.UDTrans.Position()), true);
    }
    watchCycle_->ForgetForeground();
    watchCycle_->RequestFullPass();
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, win.GetDesktopWindow());
}

bool TMainForm::ChooseFile(const char* title, const char* filter, std::string& path) {
    // One dialog for every choice: the name cleared, the filter and title
    // of this use.
    char file[kTextBufferSize] = {};
    const std::string pairs = DialogFilter(filter);
    OpenFileNameA dialog;
    dialog.hwndOwner = Window();
    dialog.lpstrFilter = pairs.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrTitle = title;
    dialog.Flags = ofn::FILEMUSTEXIST | ofn::PATHMUSTEXIST | ofn::HIDEREADONLY | ofn::ENABLESIZING |
                   ofn::EXPLORER;
    if (!context_.platform.win.GetOpenFileNameA(dialog))
        return false;
    path = CutAtNul(std::string_view(file, sizeof file));
    return !path.empty();
}

void TMainForm::BtnAddClick() {
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, Window());
    std::string path;
    if (ChooseFile(context_.AnsiText(TextId::DialogChooseFile),
                   context_.AnsiText(TextId::FilterPrograms), path))
        AddToIgnoreList(AsciiUpper(FileNameOf(path)));
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
    std::string path;
    if (ChooseFile(context_.AnsiText(TextId::DialogChooseSound),
                   context_.AnsiText(TextId::FilterSounds), path))
        controls_.TxtWav.SetText(path);
}

} // namespace vm

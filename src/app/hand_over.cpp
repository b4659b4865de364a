#include "app/hand_over.h"

#include <cstring>

#include "platform/constants.h"
#include "translations/ui_texts.h"

namespace vm {

namespace {
constexpr char kShow[] = "/Show";
constexpr std::uint32_t kShowLength = sizeof(kShow) - 1;
// The running instance may sleep through its start-up delay or wait for the
// taskbar; the new start waits this long at most, and not at all for a
// window the system reports hung.
constexpr std::uint32_t kHandOverTimeoutMs = 3000;
} // namespace

bool IsShowRequest(const CopyDataStruct* data) {
    if (data == nullptr || data->lpData == nullptr || data->cbData < kShowLength)
        return false;
    const auto* bytes = static_cast<const char*>(data->lpData);
    if (std::memcmp(bytes, kShow, kShowLength) != 0)
        return false;
    // The text ends at cbData or at a NUL right after the word.
    return data->cbData == kShowLength || bytes[kShowLength] == '\0';
}

void SendShowRequest(IWindowSystem& win, Hwnd ownAppWindow) {
    // The running instance may speak either language.
    Hwnd target = 0;
    for (const Language language : {Language::Japanese, Language::English}) {
        target = win.FindWindowW(kMainFormClassW, Text(language, TextId::MainFormCaption).wide);
        if (target != 0)
            break;
    }
    if (target == 0)
        return;
    // The user started us, so we may take the foreground; the running
    // instance may not, unless we pass that on: else its settings window
    // opens behind the window in front, without the keyboard.
    std::uint32_t processId = 0;
    win.GetWindowThreadProcessId(target, &processId);
    if (processId != 0)
        win.AllowSetForegroundWindow(processId);
    CopyDataStruct record;
    record.dwData = 0; // the sender's argument count: only a start without any sends
    record.cbData = sizeof(kShow);
    record.lpData = kShow;
    win.SendMessageTimeoutA(target, wm::COPYDATA, ownAppWindow.Value(),
                            reinterpret_cast<std::intptr_t>(&record), smto::ABORTIFHUNG,
                            kHandOverTimeoutMs, nullptr);
}

} // namespace vm

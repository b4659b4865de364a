// The modal dialogs of the simulated desktop: message boxes and the
// file-open dialog, answered from the scene's queues.
#include "sim_desktop/sim_window_system.h"

#include <cstring>
#include <string>
#include <utility>

#include "sim_desktop/cp932.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

int SimWindowSystem::MessageBoxA(Hwnd owner, const char* text, const char* caption,
                                 std::uint32_t type) {
    desk_.logCall(pid_, "MessageBoxA", owner, text, caption, type);
    if (owner != 0 && !desk_.windows().exists(owner))
        return 0;
    return desk_.dialogs().answerMessageBox(
        {pid_, owner, text == nullptr ? "" : text, caption == nullptr ? "" : caption, type});
}

// The simulated desktop shows texts as a Japanese system does; the record
// holds them in code page 932, as the "A" call's.
int SimWindowSystem::MessageBoxW(Hwnd owner, const char16_t* text, const char16_t* caption,
                                 std::uint32_t type) {
    const std::string textA = ToCp932(text == nullptr ? u"" : text);
    const std::string captionA = ToCp932(caption == nullptr ? u"" : caption);
    desk_.logCall(pid_, "MessageBoxW", owner, textA, captionA, type);
    if (owner != 0 && !desk_.windows().exists(owner))
        return 0;
    return desk_.dialogs().answerMessageBox({pid_, owner, textA, captionA, type});
}

bool SimWindowSystem::GetOpenFileNameA(OpenFileNameA& dialog) {
    desk_.logCall(pid_, "GetOpenFileNameA", dialog.hwndOwner, dialog.lpstrTitle);
    FileDialogRecord record{
        dialog.hwndOwner, dialog.lpstrTitle == nullptr ? "" : dialog.lpstrTitle, {}, dialog.Flags};
    for (const char* part = dialog.lpstrFilter; part != nullptr && *part != '\0';
         part += std::strlen(part) + 1) {
        if (!record.filter.empty())
            record.filter.push_back('\0');
        record.filter += part;
    }
    const std::optional<std::string> answer = desk_.dialogs().answerFileDialog(std::move(record));
    // A name that does not fit the buffer fails the dialog, as on Windows.
    if (!answer || dialog.lpstrFile == nullptr || answer->size() >= dialog.nMaxFile)
        return false;
    std::memcpy(dialog.lpstrFile, answer->c_str(), answer->size() + 1);
    return true;
}

} // namespace vm::sim

#include "ui/open_file_dialog.h"

#include <array>
#include <string_view>

#include "encoding/text.h"
#include "platform/constants.h"
#include "window_info/window_helpers.h"

namespace vm {

std::optional<std::string> ChooseOpenFile(IWindowSystem& win, Hwnd owner, const char* title,
                                          const char* filter) {
    std::array<char, kTextBufferSize> file{};
    const std::string pairs = DialogFilter(filter);
    OpenFileNameA dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = pairs.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<std::uint32_t>(file.size());
    dialog.lpstrTitle = title;
    dialog.Flags = ofn::FILEMUSTEXIST | ofn::PATHMUSTEXIST | ofn::HIDEREADONLY | ofn::ENABLESIZING |
                   ofn::EXPLORER;
    if (!win.GetOpenFileNameA(dialog))
        return std::nullopt;
    std::string path = CutAtNul(std::string_view(file.data(), file.size()));
    if (path.empty())
        return std::nullopt;
    return path;
}

} // namespace vm

#include <windows.h>

#include <shellapi.h>

#include "standin_options.h"

namespace standin {

std::optional<unsigned> EdgeFromName(const std::wstring& name) {
    if (name == L"top")
        return ABE_TOP;
    if (name == L"bottom")
        return ABE_BOTTOM;
    if (name == L"left")
        return ABE_LEFT;
    if (name == L"right")
        return ABE_RIGHT;
    return std::nullopt;
}

namespace {

std::optional<int> ParseThickness(const std::wstring& text) {
    wchar_t* end = nullptr;
    const long value = wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0' || value < 1 || value > 2000)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::optional<StandinOptions> ParseStandinOptions(const std::vector<std::wstring>& args) {
    StandinOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == L"--autohide") {
            options.autoHide = true;
        } else if (arg == L"--edge" && hasValue) {
            const auto edge = EdgeFromName(args[++i]);
            if (!edge)
                return std::nullopt;
            options.edge = *edge;
        } else if (arg == L"--ready-file" && hasValue) {
            options.readyFile = args[++i];
        } else if (arg == L"--notify-log" && hasValue) {
            options.notifyLog = args[++i];
        } else if (arg == L"--size" && hasValue) {
            const auto thickness = ParseThickness(args[++i]);
            if (!thickness)
                return std::nullopt;
            options.thickness = *thickness;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

} // namespace standin

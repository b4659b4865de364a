#include <windows.h>

#include <cwchar>

#include "../common/utf8_hex.h"
#include "spawner_options.h"

namespace spawner {

namespace {

bool ParseRect(const std::wstring& text, int& left, int& top, int& width, int& height) {
    int values[4];
    wchar_t rest = 0;
    if (swscanf(text.c_str(), L"%d,%d,%d,%d%lc", &values[0], &values[1], &values[2], &values[3],
                &rest) != 4)
        return false;
    left = values[0];
    top = values[1];
    width = values[2];
    height = values[3];
    return true;
}

std::optional<unsigned long> ParseNumber(const std::wstring& text, int base) {
    wchar_t* end = nullptr;
    const unsigned long value = wcstoul(text.c_str(), &end, base);
    if (text.empty() || *end != L'\0')
        return std::nullopt;
    return value;
}

bool ParseValue(const std::wstring& name, const std::wstring& value, SpawnerOptions& options) {
    if (name == L"--class") {
        options.className = value;
        return !value.empty();
    }
    if (name == L"--title") {
        options.title = value;
        return true;
    }
    if (name == L"--title-hex") {
        const auto title = tools::WideFromUtf8Hex(value);
        if (title)
            options.title = *title;
        return title.has_value();
    }
    if (name == L"--retitle-hex") {
        const auto title = tools::WideFromUtf8Hex(value);
        if (title)
            options.retitle = *title;
        return title.has_value() && !title->empty();
    }
    if (name == L"--rect")
        return ParseRect(value, options.left, options.top, options.width, options.height);
    if (name == L"--then-rect") {
        options.thenPlace = true;
        return ParseRect(value, options.thenLeft, options.thenTop, options.thenWidth,
                         options.thenHeight);
    }
    if (name == L"--log") {
        options.logPath = value;
        return true;
    }
    if (name == L"--child") {
        options.childClassName = value;
        return !value.empty();
    }
    if (name == L"--latency-file") {
        options.latencyPath = value;
        return true;
    }
    if (name == L"--rect-file") {
        options.rectPath = value;
        return true;
    }
    const bool hex = name == L"--style" || name == L"--ex-style";
    const auto number = ParseNumber(value, hex ? 16 : 10);
    if (!number)
        return false;
    if (name == L"--style")
        options.style = *number;
    else if (name == L"--ex-style")
        options.exStyle = *number;
    else if (name == L"--count" && *number >= 1 && *number <= 1000)
        options.count = static_cast<int>(*number);
    else if (name == L"--bounce" && *number >= 10)
        options.bounceMilliseconds = static_cast<unsigned>(*number);
    else if (name == L"--reopen" && *number >= 10)
        options.reopenMilliseconds = static_cast<unsigned>(*number);
    else if (name == L"--hang" && *number >= 10)
        options.hangMilliseconds = static_cast<unsigned>(*number);
    else if (name == L"--stall" && *number >= 1 && *number <= 600000)
        options.stallMilliseconds = static_cast<unsigned>(*number);
    else if (name == L"--busy" && *number <= 10000)
        options.busyMilliseconds = static_cast<unsigned>(*number);
    else
        return false;
    return true;
}

} // namespace

std::optional<SpawnerOptions> ParseSpawnerOptions(const std::vector<std::wstring>& args) {
    SpawnerOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (arg == L"--maximized") {
            options.show = ShowState::Maximized;
        } else if (arg == L"--minimized") {
            options.show = ShowState::Minimized;
        } else if (arg == L"--then-maximized") {
            options.thenMaximized = true;
        } else if (arg == L"--dialog") {
            options.dialog = true;
        } else if (i + 1 < args.size() && ParseValue(arg, args[i + 1], options)) {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

} // namespace spawner

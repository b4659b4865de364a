// The record of every platform call the programs on the desktop make.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vm::sim {

struct CallRecord {
    std::uint32_t pid;
    std::uint64_t timeMs;
    std::string name; // the Win32 function's name
    std::string args; // comma-separated; handles as decimal numbers, a null text as "null"
};

class CallLog {
public:
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    const std::vector<CallRecord>& records() const { return records_; }
    void clear() { records_.clear(); }

    // Formats the arguments only while the log is on, so a benchmark that
    // turns it off pays nothing for it.
    template <typename... Args>
    void add(std::uint32_t pid, std::uint64_t timeMs, const char* name, const Args&... args) {
        if (!enabled_)
            return;
        std::string text;
        ((appendValue(text, args), text += ','), ...);
        if (!text.empty())
            text.pop_back();
        records_.push_back({pid, timeMs, name, std::move(text)});
    }

private:
    static void appendText(std::string& text, const char* value) { text += value ? value : "null"; }
    static void appendWide(std::string& text, const char16_t* value);

    template <typename T>
    static void appendValue(std::string& text, const T& value) {
        if constexpr (std::is_same_v<T, bool>)
            text += value ? '1' : '0';
        else if constexpr (std::is_integral_v<T>)
            text += std::to_string(value);
        else if constexpr (requires { value.Value(); })
            text += std::to_string(value.Value());
        else if constexpr (std::is_convertible_v<T, const char*>)
            appendText(text, value);
        else if constexpr (std::is_convertible_v<T, const char16_t*>)
            appendWide(text, value);
        else
            text += std::string_view(value);
    }

    bool enabled_ = true;
    std::vector<CallRecord> records_;
};

} // namespace vm::sim

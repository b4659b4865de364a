#include "platform/error_trace.h"

#include <cstdio>

#include "platform/operating_system.h"

namespace vm {

namespace {

// The system's text ends in a line break and may hold more of them: the
// trace stays one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const bool breaks = c == '\r' || c == '\n';
        if (!breaks)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::string CodeText(const FailedCall& failed) {
    if (failed.kind == FailedCall::Kind::LastError)
        return "GetLastError " + std::to_string(failed.code);
    char hex[16] = {};
    std::snprintf(hex, sizeof(hex), "0x%08X", static_cast<unsigned>(failed.code));
    return std::string("HRESULT ") + hex;
}

} // namespace

std::string FailedCallText(const FailedCall& failed, const SystemText& systemText) {
    std::string text = std::string(failed.call) + " failed: " + CodeText(failed);
    const std::string meaning = systemText ? OneLine(systemText(failed.code)) : std::string();
    if (!meaning.empty())
        text += " (" + meaning + ")";
    return text;
}

std::string ErrorTraceLine(const SystemText& systemText, SourcePlace caughtAt) {
    std::string text;
    std::string detail;
    std::string place = "caught at ";
    SourcePlace where = caughtAt;
    try {
        throw;
    } catch (const TracedError& error) {
        text = error.what();
        if (error.Failed())
            detail = FailedCallText(*error.Failed(), systemText) + ", ";
        place = "thrown at ";
        where = error.Origin();
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = "unknown error";
    }
    return "Velmora: " + text + " (" + detail + place + where.file + ":" +
           std::to_string(where.line) + ")\n";
}

std::string ErrorTraceLine(IOperatingSystem& os, SourcePlace caughtAt) {
    return ErrorTraceLine([&os](std::uint32_t code) { return os.FormatMessageA(code); }, caughtAt);
}

void TraceCaughtError(IOperatingSystem& os, SourcePlace caughtAt) noexcept {
    try {
        os.OutputDebugStringA(ErrorTraceLine(os, caughtAt).c_str());
    } catch (...) {
        // Not even the trace could be made: nothing is left to do.
    }
}

} // namespace vm

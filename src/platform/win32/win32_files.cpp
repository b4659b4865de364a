// Whole-file reads and writes, moves and deletes of the operating system.
#include "platform/win32/win32_api.h"

#include <string>
#include <utility>

#include "platform/win32/win32_operating_system.h"
#include "platform/win32/win32_unique.h"

namespace vm {

namespace {

// The file, closed however the function is left; empty when it cannot be
// opened.
Unique<HANDLE> OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    const HANDLE file = ::CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? Unique<HANDLE>() : Unique<HANDLE>(file, {});
}

// Closes the file after a failed step, leaving that step's code for
// GetLastError, whatever closing sets.
bool FailedKeepingCode(Unique<HANDLE>& file) {
    const DWORD code = ::GetLastError();
    file.Reset();
    ::SetLastError(code);
    return false;
}

// The largest piece handed to one WriteFile call.
constexpr DWORD kWriteChunk = 64 * 1024;

} // namespace

bool Win32OperatingSystem::FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32OperatingSystem::GetFileSizeEx(const std::string& path, std::uint64_t& size) {
    const Unique<HANDLE> file =
        OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    LARGE_INTEGER bytes{};
    if (!file || ::GetFileSizeEx(file.Get(), &bytes) == FALSE || bytes.QuadPart < 0)
        return false;
    size = static_cast<std::uint64_t>(bytes.QuadPart);
    return true;
}

// The size is checked before reading and the read stops one byte past the
// limit, so a file that grows meanwhile is refused as well.
bool Win32OperatingSystem::ReadWholeFile(const std::string& path, std::string& content,
                                         std::size_t maxBytes) {
    const Unique<HANDLE> file =
        OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    if (!file) {
        return false;
    }
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.Get(), &size) == FALSE || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return false;
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[4096];
    while (data.size() <= maxBytes) {
        DWORD got = 0;
        if (::ReadFile(file.Get(), chunk, sizeof(chunk), &got, nullptr) == FALSE) {
            return false;
        }
        if (got == 0) {
            content = std::move(data);
            return true;
        }
        data.append(chunk, got);
    }
    return false;
}

bool Win32OperatingSystem::WriteWholeFile(const std::string& path, const std::string& content) {
    Unique<HANDLE> file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) {
        return false;
    }
    std::size_t written = 0;
    while (written < content.size()) {
        const std::size_t left = content.size() - written;
        const DWORD piece = left < kWriteChunk ? static_cast<DWORD>(left) : kWriteChunk;
        DWORD done = 0;
        if (::WriteFile(file.Get(), content.data() + written, piece, &done, nullptr) == FALSE)
            return FailedKeepingCode(file);
        if (done == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return FailedKeepingCode(file);
        }
        written += done;
    }
    if (::FlushFileBuffers(file.Get()) == FALSE)
        return FailedKeepingCode(file);
    // Closed here, for whether closing worked.
    return ::CloseHandle(file.Release()) != FALSE;
}

bool Win32OperatingSystem::MoveFileA(const std::string& from, const std::string& to) {
    return ::MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool Win32OperatingSystem::MoveFileExA(const std::string& from, const std::string& to,
                                       std::uint32_t flags) {
    return ::MoveFileExA(from.c_str(), to.c_str(), flags) != FALSE;
}

bool Win32OperatingSystem::DeleteFileA(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

} // namespace vm

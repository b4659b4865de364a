// A fresh folder per test under the build's scratch area, removed with all
// its files when the test ends.
#pragma once

#include <optional>
#include <string>

namespace e2e {

class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // The folder's path with a trailing backslash; empty when it could not be made.
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

// Whole-file helpers; texts are bytes, written and compared unchanged.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);

// The file's last write time as a 64-bit count, 0 when it cannot be read.
unsigned long long LastWriteTime(const std::wstring& path);

// The wide form of an ANSI (code page 932) text, such as a settings file name.
std::wstring WideFromAnsi(const std::string& text);
// The wide form of UTF-8 bytes, such as a title the spawner logged.
std::wstring WideFromUtf8(const std::string& bytes);

} // namespace e2e

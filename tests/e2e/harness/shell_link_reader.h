// Reads a shortcut file back through the shell link object, the way the
// shell reads it. Windows test programs only (includes <windows.h>).
#pragma once

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <optional>
#include <string>

namespace shortcut_test {

struct ShellLinkFields {
    std::string path;
    std::string arguments;
    std::string description;
    std::string workingDirectory;
    int showCmd = 0;
};

// The show command as the file's header stores it (offset 0x3C), read
// from the file itself: Wine's link object does not load it back.
inline int HeaderShowCommand(const std::wstring& file) {
    const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return -1;
    unsigned char header[0x40] = {};
    DWORD read = 0;
    const BOOL ok = ::ReadFile(handle, header, sizeof header, &read, nullptr);
    ::CloseHandle(handle);
    if (!ok || read != sizeof header)
        return -1;
    return header[0x3C] | header[0x3D] << 8 | header[0x3E] << 16 | header[0x3F] << 24;
}

// COM must be initialised on the calling thread. Empty when the file
// cannot be loaded.
inline std::optional<ShellLinkFields> ReadShellLink(const std::wstring& file) {
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link)))) {
        return std::nullopt;
    }
    IPersistFile* persist = nullptr;
    std::optional<ShellLinkFields> fields;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        char text[1024] = {};
        fields.emplace();
        // SLGP_RAWPATH: the target as stored, not resolved against the disk.
        if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
            fields->path = text;
        text[0] = '\0';
        if (SUCCEEDED(link->GetArguments(text, sizeof text)))
            fields->arguments = text;
        text[0] = '\0';
        if (SUCCEEDED(link->GetDescription(text, sizeof text)))
            fields->description = text;
        text[0] = '\0';
        if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
            fields->workingDirectory = text;
        fields->showCmd = HeaderShowCommand(file);
    }
    if (persist != nullptr)
        persist->Release();
    link->Release();
    return fields;
}

// The same for a file named in the ANSI code page.
inline std::optional<ShellLinkFields> ReadShellLink(const std::string& ansiFile) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansiFile.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring file(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansiFile.c_str(), -1, file.data(), length);
    file.resize(static_cast<std::size_t>(length) - 1);
    return ReadShellLink(file);
}

} // namespace shortcut_test

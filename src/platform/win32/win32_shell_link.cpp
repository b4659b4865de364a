// The shell link object through COM: IShellLinkA for the link's fields,
// IPersistFile to save it.
#include "platform/win32/win32_api.h"

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/on_demand_com.h"
#include "platform/win32/win32_shell.h"

namespace vm {

namespace {

class Win32ShellLink final : public IShellLinkWriter {
public:
    Win32ShellLink(IShellLinkA* link, IPersistFile* file) : link_(link), file_(file) {}
    Win32ShellLink(const Win32ShellLink&) = delete;
    Win32ShellLink& operator=(const Win32ShellLink&) = delete;
    ~Win32ShellLink() override {
        file_->Release();
        link_->Release();
    }

    HResult SetDescription(const char* description) override {
        return link_->SetDescription(description);
    }
    HResult SetPath(const char* path) override { return link_->SetPath(path); }
    HResult SetArguments(const char* arguments) override { return link_->SetArguments(arguments); }
    HResult SetShowCmd(int showCommand) override { return link_->SetShowCmd(showCommand); }
    HResult SetWorkingDirectory(const char* folder) override {
        return link_->SetWorkingDirectory(folder);
    }

    HResult Save(const std::string& fileName) override {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, nullptr, 0);
        if (length <= 0)
            return E_INVALIDARG;
        std::vector<wchar_t> wide(static_cast<std::size_t>(length));
        if (::MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, wide.data(), length) != length)
            return E_INVALIDARG;
        return file_->Save(wide.data(), FALSE);
    }

private:
    IShellLinkA* link_;
    IPersistFile* file_;
};

} // namespace

std::unique_ptr<IShellLinkWriter> Win32Shell::CoCreateInstanceShellLink() {
    IShellLinkA* link = nullptr;
    if (FAILED(win32::CreateComInstance(CLSID_ShellLink, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        reinterpret_cast<void**>(&link))) ||
        link == nullptr) {
        return nullptr;
    }
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) ||
        file == nullptr) {
        link->Release();
        return nullptr;
    }
    return std::make_unique<Win32ShellLink>(link, file);
}

} // namespace vm

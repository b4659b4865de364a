// The shell link object through COM: IShellLinkA for the link's fields,
// IPersistFile to save it.
#include "platform/win32/win32_api.h"

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/win32/on_demand_com.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unique.h"

namespace vm {

namespace {

class Win32ShellLink final : public IShellLinkWriter {
public:
    Win32ShellLink(Unique<IShellLinkA*> link, Unique<IPersistFile*> file)
        : link_(std::move(link)), file_(std::move(file)) {}

    HResult SetDescription(const char* description) override {
        return link_.Get()->SetDescription(description);
    }
    HResult SetPath(const char* path) override { return link_.Get()->SetPath(path); }
    HResult SetArguments(const char* arguments) override {
        return link_.Get()->SetArguments(arguments);
    }
    HResult SetShowCmd(int showCommand) override { return link_.Get()->SetShowCmd(showCommand); }
    HResult SetWorkingDirectory(const char* folder) override {
        return link_.Get()->SetWorkingDirectory(folder);
    }

    HResult Save(const std::string& fileName) override {
        // The name ends at its first NUL, as the system reads it.
        const std::string_view name = fileName.c_str();
        const std::wstring wide = win32::Widen(name);
        if (wide.empty() && !name.empty())
            return E_INVALIDARG;
        return file_.Get()->Save(wide.c_str(), FALSE);
    }

private:
    // The file interface goes first, then the link's.
    Unique<IShellLinkA*> link_;
    Unique<IPersistFile*> file_;
};

} // namespace

HResult Win32Shell::CoCreateInstanceShellLink(std::unique_ptr<IShellLinkWriter>& writer) {
    writer.reset();
    IShellLinkA* made = nullptr;
    const HRESULT created = win32::CreateComInstance(
        CLSID_ShellLink, CLSCTX_INPROC_SERVER, IID_IShellLinkA, reinterpret_cast<void**>(&made));
    if (FAILED(created))
        return created;
    Unique<IShellLinkA*> link(made, {});
    if (!link)
        return E_POINTER;
    IPersistFile* file = nullptr;
    const HRESULT queried =
        link.Get()->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(queried))
        return queried;
    Unique<IPersistFile*> persist(file, {});
    if (!persist)
        return E_POINTER;
    writer = std::make_unique<Win32ShellLink>(std::move(link), std::move(persist));
    return S_OK;
}

} // namespace vm

#include "platform/win32/win32_api.h"

#include "platform/win32/process_snapshot_api.h"

namespace vm::win32 {

bool ProcessSnapshotApi::Resolve() {
    if (!looked_) {
        const std::uintptr_t kernel = findModule_("kernel32.dll");
        if (kernel != 0) {
            looked_ = true;
            createSnapshot_ = findEntry_(kernel, "CreateToolhelp32Snapshot");
            first_ = findEntry_(kernel, "Process32First");
            next_ = findEntry_(kernel, "Process32Next");
        }
    }
    return createSnapshot_ != 0 && first_ != 0 && next_ != 0;
}

namespace {

std::uintptr_t FindLoadedModule(const char* name) {
    return reinterpret_cast<std::uintptr_t>(::GetModuleHandleA(name));
}

std::uintptr_t FindModuleEntry(std::uintptr_t module, const char* name) {
    return reinterpret_cast<std::uintptr_t>(
        ::GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

} // namespace

ProcessSnapshotApi SystemProcessSnapshotApi() {
    return ProcessSnapshotApi(FindLoadedModule, FindModuleEntry);
}

} // namespace vm::win32

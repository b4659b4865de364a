// Owners of the system's own handles and COM objects inside the backend,
// with the same Unique as the seam's handles.
#pragma once

#include "platform/unique.h"
#include "platform/win32/win32_api.h"

#include <objbase.h>

#include <concepts>

namespace vm {

// A kernel object: a file, for one.
template <>
struct Deleter<HANDLE> {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};

template <>
struct Deleter<HMODULE> {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};

// A COM interface pointer: one reference, given back with Release.
template <typename Interface>
requires std::derived_from<Interface, IUnknown>
struct Deleter<Interface*> {
    void operator()(Interface* object) const { object->Release(); }
};

} // namespace vm

#include "sim_desktop/kernel_objects.h"

#include <utility>

namespace vm::sim {

ProcessRow::ProcessRow(std::uint32_t id, std::string_view exePath) : pid(id), length(0), exeFile{} {
    length = static_cast<std::uint32_t>(exePath.copy(exeFile.data(), exeFile.size() - 1));
}

Handle KernelObjects::createMutex(std::uint32_t pid, const std::string& name) {
    if (!name.empty())
        ++mutexHandles_[name];
    return add(Object{pid, true, name, nullptr, 0});
}

bool KernelObjects::isMutex(std::uint32_t pid, Handle handle) const {
    const auto it = objects_.find(handle);
    return it != objects_.end() && it->second.owner == pid && it->second.isMutex;
}

Handle KernelObjects::createSnapshot(std::uint32_t pid, ProcessList processes) {
    return add(Object{pid, false, {}, std::move(processes), 0});
}

const ProcessRow* KernelObjects::snapshotEntry(std::uint32_t pid, Handle handle, bool first) {
    Object* object = find(pid, handle);
    if (object == nullptr || !object->snapshot)
        return nullptr;
    if (first)
        object->cursor = 0;
    if (object->cursor >= object->snapshot->size())
        return nullptr;
    return &(*object->snapshot)[object->cursor++];
}

Handle KernelObjects::openProcess(std::uint32_t pid, std::uint32_t target) {
    Object object{pid, false, {}, nullptr, 0};
    object.process = target;
    return add(std::move(object));
}

std::uint32_t KernelObjects::processOf(std::uint32_t pid, Handle handle) {
    const Object* object = find(pid, handle);
    return object == nullptr ? 0 : object->process;
}

bool KernelObjects::close(std::uint32_t pid, Handle handle) {
    const Object* object = find(pid, handle);
    if (object == nullptr)
        return false;
    release(*object);
    objects_.erase(handle);
    return true;
}

void KernelObjects::closeAll(std::uint32_t pid) {
    for (auto it = objects_.begin(); it != objects_.end();) {
        if (it->second.owner == pid) {
            release(it->second);
            it = objects_.erase(it);
        } else {
            ++it;
        }
    }
}

Handle KernelObjects::add(Object object) {
    // Kernel handles are multiples of four.
    const Handle handle{next_};
    next_ += 4;
    objects_.emplace(handle, std::move(object));
    return handle;
}

KernelObjects::Object* KernelObjects::find(std::uint32_t pid, Handle handle) {
    const auto it = objects_.find(handle);
    return (it == objects_.end() || it->second.owner != pid) ? nullptr : &it->second;
}

void KernelObjects::release(const Object& object) {
    if (!object.isMutex || object.mutexName.empty())
        return;
    const auto it = mutexHandles_.find(object.mutexName);
    if (--it->second == 0)
        mutexHandles_.erase(it);
}

} // namespace vm::sim

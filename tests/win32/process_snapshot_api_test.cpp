// The one-time look-up of the process-snapshot entry points, with stand-in
// look-ups that count what they are asked.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/win32/process_snapshot_api.h"

namespace vm::win32 {
namespace {

bool kernelLoaded = false;
const char* missingEntry = nullptr;
int moduleLookups = 0;
int entryLookups = 0;

std::uintptr_t FakeFindModule(const char* name) {
    ++moduleLookups;
    return kernelLoaded && std::strcmp(name, "kernel32.dll") == 0 ? 0x1000 : 0;
}

std::uintptr_t FakeFindEntry(std::uintptr_t module, const char* name) {
    ++entryLookups;
    if (module != 0x1000 || (missingEntry != nullptr && std::strcmp(name, missingEntry) == 0)) {
        return 0;
    }
    return 0x2000 + static_cast<std::uintptr_t>(std::strlen(name));
}

class ProcessSnapshotApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        kernelLoaded = true;
        missingEntry = nullptr;
        moduleLookups = 0;
        entryLookups = 0;
    }

    ProcessSnapshotApi api{FakeFindModule, FakeFindEntry};
};

TEST_F(ProcessSnapshotApiTest, LooksUpOnceOnFirstUse) {
    EXPECT_EQ(moduleLookups, 0);
    EXPECT_TRUE(api.Resolve());
    EXPECT_TRUE(api.Resolve());
    EXPECT_EQ(moduleLookups, 1);
    EXPECT_EQ(entryLookups, 3);
    EXPECT_EQ(api.CreateToolhelp32Snapshot(), 0x2000u + 24);
    EXPECT_EQ(api.Process32First(), 0x2000u + 14);
    EXPECT_EQ(api.Process32Next(), 0x2000u + 13);
}

TEST_F(ProcessSnapshotApiTest, MissingKernelIsTriedAgain) {
    kernelLoaded = false;
    EXPECT_FALSE(api.Resolve());
    EXPECT_FALSE(api.Resolve());
    EXPECT_EQ(moduleLookups, 2);
    EXPECT_EQ(entryLookups, 0);
    EXPECT_EQ(api.CreateToolhelp32Snapshot(), 0u);

    kernelLoaded = true;
    EXPECT_TRUE(api.Resolve());
    EXPECT_EQ(moduleLookups, 3);
}

TEST_F(ProcessSnapshotApiTest, MissingEntryPointIsNotTriedAgain) {
    missingEntry = "CreateToolhelp32Snapshot";
    EXPECT_FALSE(api.Resolve());
    missingEntry = nullptr;
    EXPECT_FALSE(api.Resolve());
    EXPECT_EQ(moduleLookups, 1);
    EXPECT_EQ(entryLookups, 3);
    EXPECT_EQ(api.CreateToolhelp32Snapshot(), 0u);
}

} // namespace
} // namespace vm::win32

// The tests' display (Xvfb) runs no window manager, and Wine leaves the
// placement of "managed" windows, maximizing included, to one: a maximized
// window would keep its normal rectangle. Before any test starts a program
// or opens a window (the Windows unit tests link this too), Wine is told to
// place every window itself. The key is Wine's own; Windows ignores it.
#include <windows.h>

#include <gtest/gtest.h>

namespace e2e {
namespace {

class UnmanagedWindows : public ::testing::Environment {
public:
    void SetUp() override {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        static const char value[] = "N";
        RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       sizeof(value));
        RegCloseKey(key);
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new UnmanagedWindows);

} // namespace
} // namespace e2e

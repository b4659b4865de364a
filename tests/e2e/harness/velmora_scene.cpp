#include <windows.h>

#include "desktop_windows.h"
#include "polling.h"
#include "program/windows_version.h"
#include "tool_paths.h"
#include "velmora_scene.h"

namespace e2e {

namespace {

constexpr DWORD ControllerLimit = 15000;
constexpr DWORD RunToEndLimit = 15000;

// The Windows version the way the program identifies it from GetVersionExA.
vm::WindowsVersion RunningWindowsVersion() {
    OSVERSIONINFOA raw{};
    raw.dwOSVersionInfoSize = sizeof(raw);
    GetVersionExA(&raw);
    vm::OsVersionInfo info;
    info.dwMajorVersion = raw.dwMajorVersion;
    info.dwMinorVersion = raw.dwMinorVersion;
    info.dwBuildNumber = raw.dwBuildNumber;
    info.dwPlatformId = raw.dwPlatformId;
    return vm::IdentifyWindowsVersion(info);
}

} // namespace

std::string ExpectedSettingsFileName() {
    char user[260] = {};
    DWORD size = sizeof(user);
    const std::string name = GetUserNameA(user, &size) ? user : "Default";
    return std::string("vmr_") + vm::ShortNameOf(RunningWindowsVersion()) + "_" + name + ".ini";
}

std::string IniText(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

void VelmoraScene::SetUp() {
    ASSERT_FALSE(Folder().empty()) << "no scratch folder";
    ASSERT_TRUE(CopyFileW(VelmoraExePath().c_str(), VelmoraPath().c_str(), TRUE))
        << "cannot copy Velmora.exe";
}

std::wstring VelmoraScene::SettingsPath() const {
    return Folder() + WideFromAnsi(ExpectedSettingsFileName());
}

bool VelmoraScene::WriteSettings(const std::string& text) {
    return WriteFileBytes(SettingsPath(), text);
}

bool VelmoraScene::StartStandin(const StandinSpec& spec) {
    standin_ = std::make_unique<TaskbarStandin>(spec);
    return standin_->WaitUntilReady();
}

bool VelmoraScene::RestartStandin(const StandinSpec& spec) {
    standin_.reset();
    return StartStandin(spec);
}

ChildProcess& VelmoraScene::StartVelmora(const std::wstring& args) {
    velmoras_.push_back(std::make_unique<ChildProcess>(VelmoraPath(), args, Folder()));
    return *velmoras_.back();
}

std::optional<DWORD> VelmoraScene::RunVelmoraToEnd(const std::wstring& args) {
    return StartVelmora(args).WaitForExit(RunToEndLimit);
}

bool VelmoraScene::WaitForController(const ChildProcess& velmora) {
    return velmora.Started() &&
           WaitUntil([&velmora] { return !TopLevelWindowsOf(velmora.Id(), L"TMainForm").empty(); },
                     ControllerLimit);
}

bool VelmoraScene::ChooseMenuItem(const ChildProcess& velmora, wchar_t accessKey) {
    if (!Standin().ClickIcon(0, WM_RBUTTONDOWN))
        return false;
    HWND menu = nullptr;
    const bool open = WaitUntil(
        [&] {
            const auto menus = TopLevelWindowsOf(velmora.Id(), L"#32768");
            menu = menus.empty() ? nullptr : menus.front();
            return menu != nullptr && IsWindowVisible(menu);
        },
        ReactionLimit);
    return open && PostMessageW(menu, WM_CHAR, accessKey, 0);
}

bool VelmoraScene::StartResidentVelmora(const std::wstring& args) {
    return WaitForController(StartVelmora(args));
}

bool VelmoraScene::StartStandinAndVelmora(const StandinSpec& spec) {
    return StartStandin(spec) && StartResidentVelmora();
}

HWND VelmoraScene::Spawn(const WindowSpec& spec, const std::wstring& exeName) {
    std::wstring exe = SpawnerExePath();
    if (!exeName.empty()) {
        const std::wstring copy = Folder() + exeName;
        if (!FileExists(copy) && !CopyFileW(exe.c_str(), copy.c_str(), TRUE))
            return nullptr;
        exe = copy;
    }
    spawned_.push_back(std::make_unique<SpawnedWindows>(exe, spec));
    return spawned_.back()->WaitUntilOpen() ? spawned_.back()->First() : nullptr;
}

bool VelmoraScene::WitnessMoveTo(int watchLine) {
    const HWND witness =
        Spawn({.title = L"Velmora e2e witness", .left = 600, .width = 200, .height = 150},
              L"witness_app.exe");
    return witness != nullptr && WaitForTop(witness, watchLine);
}

bool VelmoraScene::WaitForPassAfterNow() {
    const unsigned before = standin_->PositionQueries();
    HWND nudge = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                 nullptr);
    const bool seen =
        WaitUntil([&] { return standin_->PositionQueries() > before; }, ReactionLimit);
    DestroyWindow(nudge);
    return seen;
}

bool WaitForTop(HWND window, int y) {
    return WaitUntil([window, y] { return WindowRectOf(window).top == y; }, ReactionLimit);
}

} // namespace e2e

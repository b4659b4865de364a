// The desktop contract on the real system: the other program is a second
// thread of this process with a message loop of its own.
#include "platform/win32/win32_api.h"

#include <future>
#include <memory>
#include <thread>
#include <utility>

#include "../desktop/close_contract.h"
#include "../desktop/desktop_suite.h"
#include "../desktop/moves_contract.h"
#include "../desktop/sent_messages_contract.h"
#include "../desktop/shell_contract.h"
#include "../desktop/system_text_contract.h"
#include "../desktop/threads_contract.h"
#include "platform/win32/win32_platform.h"

namespace vm {
namespace {

// A thread that reads its queue and runs the tasks posted to it.
class OtherThread {
public:
    explicit OtherThread(IWindowSystem& win) : win_(win) {
        std::promise<DWORD> started;
        std::future<DWORD> id = started.get_future();
        thread_ = std::thread([this, &started] { Loop(started); });
        threadId_ = id.get();
    }
    ~OtherThread() {
        ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    OtherThread(const OtherThread&) = delete;
    OtherThread& operator=(const OtherThread&) = delete;

    // Posts task and waits until the thread has begun it.
    void Begin(std::function<void(IWindowSystem&)> task) {
        std::promise<void> begun;
        std::future<void> waitBegun = begun.get_future();
        auto* posted = new Task{std::move(task), std::move(begun)};
        if (::PostThreadMessageW(threadId_, kTaskMessage, 0, reinterpret_cast<LPARAM>(posted)) ==
            FALSE) {
            delete posted;
            ADD_FAILURE() << "the other thread took no task";
            return;
        }
        waitBegun.wait();
    }

private:
    static constexpr UINT kTaskMessage = WM_APP + 7;
    struct Task {
        std::function<void(IWindowSystem&)> run;
        std::promise<void> begun;
    };

    void Loop(std::promise<DWORD>& started) {
        MSG msg{};
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists now
        started.set_value(::GetCurrentThreadId());
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (msg.hwnd == nullptr && msg.message == kTaskMessage) {
                const std::unique_ptr<Task> task(reinterpret_cast<Task*>(msg.lParam));
                task->begun.set_value();
                task->run(win_);
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }

    IWindowSystem& win_;
    std::thread thread_;
    DWORD threadId_ = 0;
};

class Win32DesktopContract : public ::testing::Test, public desktop_suite::Host {
protected:
    IWindowSystem& Win() override { return backend.platform().win; }
    IOperatingSystem& Os() override { return backend.platform().os; }
    IShell& Shell() override { return backend.platform().shell; }
    void OtherRun(const std::function<void(IWindowSystem&)>& action) override {
        std::promise<void> done;
        std::future<void> finished = done.get_future();
        other.Begin([&](IWindowSystem& win) {
            action(win);
            done.set_value();
        });
        finished.wait();
    }
    void OtherBusy(std::uint32_t busyMs, std::function<void(IWindowSystem&)> action) override {
        other.Begin([busyMs, action = std::move(action)](IWindowSystem& win) {
            ::Sleep(busyMs);
            action(win);
        });
    }
    void Pump(std::uint32_t ms) override {
        const DWORD start = ::GetTickCount();
        for (DWORD spent = 0; spent < ms; spent = ::GetTickCount() - start) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
            Win().ProcessMessages();
        }
    }

    Win32Platform backend;
    // Last, so its windows go with its thread before the backend.
    OtherThread other{backend.platform().win};
};

VELMORA_DESKTOP_MOVES_CONTRACT(Win32DesktopContract)
VELMORA_DESKTOP_SHELL_CONTRACT(Win32DesktopContract)
VELMORA_DESKTOP_THREADS_CONTRACT(Win32DesktopContract)
VELMORA_DESKTOP_CLOSE_CONTRACT(Win32DesktopContract)
VELMORA_DESKTOP_SENT_MESSAGES_CONTRACT(Win32DesktopContract)
VELMORA_DESKTOP_SYSTEM_TEXT_CONTRACT(Win32DesktopContract)

} // namespace
} // namespace vm

// Messages sent between threads: what reaches a thread while it waits for
// another thread's answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop_suite.h"
#include "platform/constants.h"

namespace vm::desktop_suite {

// A message sent without waiting (SendNotifyMessage, as the shell sends a
// notification icon's callback) is still a send: a thread waiting in
// SendMessageTimeout to another thread handles it inside that wait, in the
// order the sends came; what was posted to it before waits until it reads
// its queue.
inline void ANotificationArrivesInsideTheReceiversSend(Host& host) {
    constexpr std::uint32_t kAsk = wm::APP + 20;
    constexpr std::uint32_t kPosted = wm::APP + 21;
    constexpr std::uint32_t kNotified = wm::APP + 22;
    constexpr std::uint32_t kSent = wm::APP + 23;
    bool waiting = false;
    std::vector<std::string> seen;
    const Hwnd own = host.Win().CreateProgramWindow(
        {.className = "VelmoraContractReceiver",
         .style = ws::POPUP,
         .width = 10,
         .height = 10,
         .proc = [&](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) -> MsgResult {
             const char* name = msg == kPosted     ? "posted"
                                : msg == kNotified ? "notified"
                                : msg == kSent     ? "sent"
                                                   : nullptr;
             if (name == nullptr)
                 return std::nullopt;
             seen.push_back(std::string(name) + (waiting ? " inside the send" : " after it"));
             return 0;
         }});
    ASSERT_NE(own, Hwnd{0});
    Hwnd other = 0;
    host.OtherRun([&](IWindowSystem& win) {
        other =
            win.CreateProgramWindow({.className = "VelmoraContractNotifier",
                                     .style = ws::POPUP,
                                     .width = 10,
                                     .height = 10,
                                     .proc = [&win, own](Hwnd, std::uint32_t msg, std::uintptr_t,
                                                         std::intptr_t) -> MsgResult {
                                         if (msg != kAsk)
                                             return std::nullopt;
                                         win.PostMessageA(own, kPosted, 0, 0);
                                         EXPECT_TRUE(win.SendNotifyMessageW(own, kNotified, 0, 0));
                                         win.SendMessageA(own, kSent, 0, 0);
                                         return 5;
                                     }});
    });
    ASSERT_NE(other, Hwnd{0});
    std::uintptr_t answer = 0;
    waiting = true;
    EXPECT_NE(host.Win().SendMessageTimeoutA(other, kAsk, 0, 0, 0, 5000, &answer), 0);
    waiting = false;
    EXPECT_EQ(answer, 5u);
    EXPECT_EQ(seen, (std::vector<std::string>{"notified inside the send", "sent inside the send"}));
    host.Pump(50);
    EXPECT_EQ(seen, (std::vector<std::string>{"notified inside the send", "sent inside the send",
                                              "posted after it"}));
    host.OtherRun([other](IWindowSystem& win) { win.DestroyWindow(other); });
    host.Win().DestroyWindow(own);
}

} // namespace vm::desktop_suite

#define VELMORA_DESKTOP_SENT_MESSAGES_CONTRACT(Fixture)                                            \
    TEST_F(Fixture, ANotificationArrivesInsideTheReceiversSend) {                                  \
        desktop_suite::ANotificationArrivesInsideTheReceiversSend(*this);                          \
    }

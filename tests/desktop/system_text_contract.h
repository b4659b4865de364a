// What the error traces rely on, shown on both desktops: a failed file call
// leaves its own code, which the next failing call replaces (so it is read
// right away), and the system has a text for such a code.
#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "desktop_suite.h"
#include "platform/constants.h"

namespace vm::desktop_suite::system_text {

inline void TheSystemHasATextForAWellKnownCode(Host& host) {
    const std::string text = host.Os().FormatMessageA(error::FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

inline void AFailedFileCallLeavesItsCodeUntilTheNextFailure(Host& host) {
    IOperatingSystem& os = host.Os();
    const std::string exe = os.GetModuleFileNameA();
    const std::string folder = exe.substr(0, exe.find_last_of('\\') + 1);
    const std::string first = folder + "system_text_contract_1.txt";
    const std::string second = folder + "system_text_contract_2.txt";
    const std::string missing = folder + "system_text_contract_missing.txt";
    ASSERT_TRUE(os.WriteWholeFile(first, "1"));
    ASSERT_TRUE(os.WriteWholeFile(second, "2"));
    EXPECT_FALSE(os.MoveFileA(first, second));
    EXPECT_EQ(os.GetLastError(), static_cast<std::uint32_t>(error::ALREADY_EXISTS));
    EXPECT_FALSE(os.DeleteFileA(missing));
    EXPECT_EQ(os.GetLastError(), static_cast<std::uint32_t>(error::FILE_NOT_FOUND));
    EXPECT_TRUE(os.DeleteFileA(first));
    EXPECT_TRUE(os.DeleteFileA(second));
}

} // namespace vm::desktop_suite::system_text

#define VELMORA_DESKTOP_SYSTEM_TEXT_CONTRACT(Fixture)                                              \
    TEST_F(Fixture, TheSystemHasATextForAWellKnownCode) {                                          \
        ::vm::desktop_suite::system_text::TheSystemHasATextForAWellKnownCode(*this);               \
    }                                                                                              \
    TEST_F(Fixture, AFailedFileCallLeavesItsCodeUntilTheNextFailure) {                             \
        ::vm::desktop_suite::system_text::AFailedFileCallLeavesItsCodeUntilTheNextFailure(*this);  \
    }

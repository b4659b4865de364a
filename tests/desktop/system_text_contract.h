// What the error traces rely on, shown on both desktops: the system has a
// text for the codes the program's calls leave.
#pragma once

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

} // namespace vm::desktop_suite::system_text

#define VELMORA_DESKTOP_SYSTEM_TEXT_CONTRACT(Fixture)                                              \
    TEST_F(Fixture, TheSystemHasATextForAWellKnownCode) {                                          \
        ::vm::desktop_suite::system_text::TheSystemHasATextForAWellKnownCode(*this);               \
    }

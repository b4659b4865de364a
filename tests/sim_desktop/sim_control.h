// The state a standard control of the system keeps in its window, as the
// simulated desktop models it. Which fields count depends on the class.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace vm::sim {

enum class ControlKind { None, Button, Edit, Static, ListBox, TrackBar, UpDown };

// The kind of a system class name, letter case ignored as the system does.
ControlKind ControlKindOf(const std::string& className);

struct SimWindow;

// A button window's BS_ type, and whether it is a push button.
std::uint32_t ButtonType(const SimWindow& window);
bool IsPushButton(const SimWindow& window);
// A notification's wParam from its low and high words.
std::uintptr_t MakeWParam(std::uint32_t low, std::uint32_t high);

struct SimControl {
    ControlKind kind = ControlKind::None;
    // Button: BST_ value; an icon set with BM_SETIMAGE.
    std::uintptr_t check = 0;
    HIcon image = 0;
    // Edit: the most characters typing may leave in the field, and the
    // selection, in characters.
    int limit = 30000;
    int selStart = 0;
    int selEnd = 0;
    // List box.
    std::vector<std::string> items;
    int curSel = -1;
    int horizontalExtent = 0;
    // Track bar and up-down spinner; the spinner writes its position into
    // its buddy window.
    int pos = 0;
    int min = 0;
    int max = 100;
    Hwnd buddy = 0;
    HFont font = 0;
};

} // namespace vm::sim

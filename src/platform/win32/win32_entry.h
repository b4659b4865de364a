// Runs the program on the real desktop with the process's own arguments.
#pragma once

namespace vm {

int Win32Main();

} // namespace vm

// How another process makes the spawner's program stop answering for a while
// (started with --stall). Shared with the end-to-end tests.
#pragma once

namespace spawner {

// Registered message sent to a spawned window: the next time one of the
// program's windows is activated, its thread sleeps for the --stall time
// before it answers again, as a program that reloads something long each
// time it comes to the front does. Answers 0.
inline constexpr wchar_t StallMessageName[] = L"VelmoraSpawnerStall";

} // namespace spawner

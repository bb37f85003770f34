// Failure injection for the test build of the module only: lets a test make
// one step of opening the editor fail as the system would. The shipped
// module is built without it and never fails on purpose.
#pragma once

// True when the test build was asked to fail the named step ("register",
// "window", "controls", "renderer") or to keep the named action from
// reaching the system ("browser").
bool FaultInjected(const char* step);

// Runs the thread's messages while a test waits for something to happen, as the program's own
// loop runs them: through the application's filter (accelerators), with its idle work (tool-bar
// states) whenever the queue has emptied.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches messages until condition() holds (true) or timeoutMs passes (false). The
// condition is checked after each round of messages and at least every 10 ms.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

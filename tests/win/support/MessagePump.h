// Runs the thread's message loop while a test waits for something to happen.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches messages until condition() holds (true) or timeoutMs passes (false). The
// condition is checked after each message and at least every 10 ms.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000);

// Dispatches whatever arrives during the given time.
void PumpFor(DWORD milliseconds);

// Runs the thread's messages while a test waits for something to happen, as the program's own
// loop runs them: through the application's filter (accelerators), with its idle work (tool-bar
// states) whenever the queue has emptied.
#pragma once

#include "framework/CWinApp.h"

#include <windows.h>

#include <functional>

// Dispatches messages until condition() holds (true) or timeoutMs passes (false). The
// condition is checked after each round of messages and at least every 10 ms.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000) {
    for (const ULONGLONG deadline = GetTickCount64() + timeoutMs;;) {
        CWinApp* pApp = AfxGetApp();
        MSG msg;
        bool bDispatched = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            bDispatched = true;
            if (!pApp || !pApp->PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        if (bDispatched && pApp)
            pApp->OnIdle(0);
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        // Woken by messages; conditions outside the queue (a file appearing) are polled.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

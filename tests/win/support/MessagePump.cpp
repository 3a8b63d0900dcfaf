#include "MessagePump.h"

#include "framework/CWinApp.h"

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
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

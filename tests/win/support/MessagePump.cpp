#include "MessagePump.h"

#include "framework/CWinApp.h"

namespace {

void DispatchPending() {
    CWinApp* pApp = AfxGetApp();
    MSG msg;
    bool bDispatched = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        bDispatched = true;
        if (pApp && pApp->PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (bDispatched && pApp)
        pApp->OnIdle(0);
}

} // namespace

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPending();
        if (condition())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        // Woken by messages; conditions outside the queue (a file appearing) are polled.
        const ULONGLONG wait = deadline - now < 10 ? deadline - now : 10;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait), QS_ALLINPUT);
    }
}

// Keeps one Wine process with a (hidden) window alive for a whole run, so that Wine's desktop
// process stays up and each test process starts warm. Ended by the run's clean-up.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    HWND hWnd = CreateWindowExW(0, L"STATIC", L"keep-alive", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                nullptr, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    DestroyWindow(hWnd);
    return 0;
}

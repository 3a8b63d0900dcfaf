// Keeps one Wine process with a (hidden) window alive for a whole run, so that Wine's desktop
// process stays up and each test process starts warm. The desktop process is started by the
// first window of the session and inherits that process's output: it must be ours, not a
// test's whose output CTest reads to the end. So once its window exists, it creates the file
// named on its command line, for the run to wait for. Ended by the run's clean-up.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR pszReadyFile, int) {
    HWND hWnd = CreateWindowExW(0, L"STATIC", L"keep-alive", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                nullptr, nullptr);
    if (*pszReadyFile)
        CloseHandle(
            CreateFileW(pszReadyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    DestroyWindow(hWnd);
    return 0;
}

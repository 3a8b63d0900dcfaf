// The least a program does to launch a target on a hot key, for the press-to-launch benchmark
// to measure against: a hidden window that registers one hot key and, when it is pressed,
// hands the target to the shell. Arguments: modifiers, virtual-key code, target, parameters.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

namespace {

const wchar_t* g_pszTarget = L"";
const wchar_t* g_pszParameters = L"";

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        ShellExecuteW(nullptr, L"open", g_pszTarget, g_pszParameters, nullptr, SW_SHOWNORMAL);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 5)
        return 2;
    g_pszTarget = argv[3];
    g_pszParameters = argv[4];
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"HotKeyFloor";
    RegisterClassW(&wc);
    HWND hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                hInstance, nullptr);
    if (!RegisterHotKey(hWnd, 1, wcstoul(argv[1], nullptr, 0), wcstoul(argv[2], nullptr, 0)))
        return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}

// Another program holding a hot key: registers the combination given as "<modifiers> <key>",
// sets the named event "WendrakeHotKeyHolderReady" (or "...Failed") and keeps it until ended.
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR pszCmdLine, int) {
    wchar_t* pszEnd = nullptr;
    const UINT nModifiers = static_cast<UINT>(wcstoul(pszCmdLine, &pszEnd, 0));
    const UINT nVirtKey = static_cast<UINT>(wcstoul(pszEnd, nullptr, 0));
    const BOOL bRegistered = RegisterHotKey(nullptr, 1, nModifiers, nVirtKey);
    HANDLE hEvent =
        CreateEventW(nullptr, TRUE, FALSE,
                     bRegistered ? L"WendrakeHotKeyHolderReady" : L"WendrakeHotKeyHolderFailed");
    SetEvent(hEvent);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    CloseHandle(hEvent);
    return 0;
}

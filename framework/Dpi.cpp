#include "Dpi.h"

UINT AfxGetDpiForWindow(HWND hWnd) {
    // Looked up at run time: a direct import would keep the program from starting on systems
    // before Windows 10.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const auto pfnGetDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (pfnGetDpiForWindow)
        if (const UINT nDpi = pfnGetDpiForWindow(hWnd))
            return nDpi;
    HDC hDC = GetDC(nullptr);
    const int nDpi = GetDeviceCaps(hDC, LOGPIXELSX);
    ReleaseDC(nullptr, hDC);
    return static_cast<UINT>(nDpi);
}

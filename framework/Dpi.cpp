#include "Dpi.h"

namespace {

UINT SystemDpi() {
    HDC hDC = GetDC(nullptr);
    const int nDpi = GetDeviceCaps(hDC, LOGPIXELSX);
    ReleaseDC(nullptr, hDC);
    return static_cast<UINT>(nDpi);
}

// Looked up at run time: a direct import would keep the program from starting on systems
// before Windows 10.
template <typename Function> Function User32Function(const char* pszName) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), pszName)));
}

} // namespace

UINT AfxGetDpiForWindow(HWND hWnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    if (const auto pfnGetDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow"))
        if (const UINT nDpi = pfnGetDpiForWindow(hWnd))
            return nDpi;
    return SystemDpi();
}

HFONT AfxCreateMessageFont(UINT nDpi) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    const auto pfnForDpi =
        User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    if (pfnForDpi && pfnForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, nDpi))
        return CreateFontIndirectW(&metrics.lfMessageFont);
    // Before Windows 10 the metrics are the system DPI's.
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return nullptr;
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(nDpi),
                                            static_cast<int>(SystemDpi()));
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

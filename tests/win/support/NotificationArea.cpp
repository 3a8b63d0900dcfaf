#include "NotificationArea.h"

#include <shellapi.h>

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    HWND hTray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    for (HWND hIcon = FindWindowExW(hTray, nullptr, L"__winex11_tray_icon", nullptr);
         hTray && hIcon; hIcon = FindWindowExW(hTray, hIcon, L"__winex11_tray_icon", nullptr))
        icons.push_back(hIcon);
    return icons;
}

bool TrayIconPresent(HWND hOwner, UINT uID) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = hOwner;
    nid.uID = uID;
    return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

std::vector<COLORREF> ScreenPixels(HWND hWnd) {
    RECT rc;
    GetWindowRect(hWnd, &rc);
    HDC hScreen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            pixels.push_back(GetPixel(hScreen, x, y));
    ReleaseDC(nullptr, hScreen);
    return pixels;
}

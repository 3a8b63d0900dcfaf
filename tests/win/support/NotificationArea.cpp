#include "NotificationArea.h"

#include <shellapi.h>

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    HWND hTray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    if (!hTray)
        return icons;
    for (HWND hIcon = FindWindowExW(hTray, nullptr, L"__winex11_tray_icon", nullptr); hIcon;
         hIcon = FindWindowExW(hTray, hIcon, L"__winex11_tray_icon", nullptr))
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
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    BitBlt(hMemory, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            pixels.push_back(GetPixel(hMemory, x, y));
    SelectObject(hMemory, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);
    return pixels;
}

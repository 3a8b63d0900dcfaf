// The notification area as Wine shows it without a desktop: a "Wine System Tray" window that
// holds one child window per icon.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <vector>

// The icon windows shown now, in no particular order.
inline std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    HWND hTray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    for (HWND hIcon = FindWindowExW(hTray, nullptr, L"__winex11_tray_icon", nullptr);
         hTray && hIcon; hIcon = FindWindowExW(hTray, hIcon, L"__winex11_tray_icon", nullptr))
        icons.push_back(hIcon);
    return icons;
}

// Whether the notification area holds the icon of that owner and id, whichever process asks:
// a modification that changes nothing succeeds only for an icon that is there.
inline bool TrayIconPresent(HWND hOwner, UINT uID) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = hOwner;
    nid.uID = uID;
    return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

// The window that shows this icon, when it is the only one in the notification area.
inline HWND SoleTrayIconWindow(HWND hOwner, UINT uID) {
    const std::vector<HWND> icons = TrayIconWindows();
    return TrayIconPresent(hOwner, uID) && icons.size() == 1 ? icons[0] : nullptr;
}

// What the screen shows there, pixel by pixel: two pictures compare equal only when they look
// the same.
inline std::vector<COLORREF> ScreenPixels(const RECT& rc) {
    HDC hScreen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            pixels.push_back(GetPixel(hScreen, x, y));
    ReleaseDC(nullptr, hScreen);
    return pixels;
}
inline std::vector<COLORREF> ScreenPixels(HWND hWnd) {
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return ScreenPixels(rc);
}

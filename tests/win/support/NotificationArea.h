// The notification area as Wine shows it without a desktop: a "Wine System Tray" window that
// holds one child window per icon.
#pragma once

#include <windows.h>

#include <vector>

// The icon windows shown now, in no particular order.
std::vector<HWND> TrayIconWindows();

// Whether the notification area holds the icon of that owner and id, whichever process asks:
// a modification that changes nothing succeeds only for an icon that is there.
bool TrayIconPresent(HWND hOwner, UINT uID);

// What the window shows on the screen, pixel by pixel: two pictures compare equal only when
// they look the same.
std::vector<COLORREF> ScreenPixels(HWND hWnd);

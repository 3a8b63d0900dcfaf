// The DPI a window is shown at. Sizes given for 96 DPI are scaled by it.
#pragma once

#include <windows.h>

// The window's own DPI where the system knows it per window (Windows 10 and later), otherwise
// the system's.
UINT AfxGetDpiForWindow(HWND hWnd);

// The system's message font made for the DPI; the caller deletes it. Windows does not rescale
// the fonts of a window that follows its screen's DPI: its controls need one made for it.
HFONT AfxCreateMessageFont(UINT nDpi);

inline int AfxScaleForDpi(int nPixelsAt96, UINT nDpi) {
    return MulDiv(nPixelsAt96, static_cast<int>(nDpi), 96);
}

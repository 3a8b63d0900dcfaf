// A device context to draw on, as a view's OnDraw receives it.
#pragma once

#include <windows.h>

class CDC {
public:
    explicit CDC(HDC hDC) : m_hDC(hDC) {}

    operator HDC() const { return m_hDC; }

    HDC m_hDC;
};

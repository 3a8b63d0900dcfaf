#include "CControlBar.h"

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
ON_MESSAGE(WM_NCPAINT, OnNcPaint)
END_MESSAGE_MAP()

namespace {

// Scaled by the system with the display's DPI.
int LineWidth() {
    return GetSystemMetrics(SM_CYEDGE);
}
int GripperWidth() {
    return 4 * GetSystemMetrics(SM_CXEDGE);
}

} // namespace

RECT CControlBar::NonClientInsets() const {
    RECT insets = {};
    if (m_dwStyle & CBRS_GRIPPER)
        insets.left += GripperWidth();
    if (m_dwStyle & CBRS_BORDER_LEFT)
        insets.left += LineWidth();
    if (m_dwStyle & CBRS_BORDER_TOP)
        insets.top += LineWidth();
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        insets.right += LineWidth();
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        insets.bottom += LineWidth();
    return insets;
}

LRESULT CControlBar::OnNcCalcSize(WPARAM, LPARAM lParam) {
    const LRESULT lResult = Default();
    // Either form of the message has the proposed client rectangle first.
    RECT& rcClient = *reinterpret_cast<RECT*>(lParam);
    const RECT insets = NonClientInsets();
    rcClient.left += insets.left;
    rcClient.top += insets.top;
    rcClient.right -= insets.right;
    rcClient.bottom -= insets.bottom;
    return lResult;
}

LRESULT CControlBar::OnNcPaint(WPARAM, LPARAM) {
    // The bars have no border or caption of the system's: the non-client area is ours alone.
    HDC hDC = GetWindowDC(m_hWnd);
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    RECT rc = {0, 0, rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top};
    const RECT insets = NonClientInsets();
    ExcludeClipRect(hDC, rc.left + insets.left, rc.top + insets.top, rc.right - insets.right,
                    rc.bottom - insets.bottom);
    FillRect(hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
    UINT nEdges = 0;
    nEdges |= (m_dwStyle & CBRS_BORDER_LEFT) ? BF_LEFT : 0;
    nEdges |= (m_dwStyle & CBRS_BORDER_TOP) ? BF_TOP : 0;
    nEdges |= (m_dwStyle & CBRS_BORDER_RIGHT) ? BF_RIGHT : 0;
    nEdges |= (m_dwStyle & CBRS_BORDER_BOTTOM) ? BF_BOTTOM : 0;
    if (nEdges)
        DrawEdge(hDC, &rc, EDGE_ETCHED, nEdges | BF_ADJUST);
    if (m_dwStyle & CBRS_GRIPPER) {
        const int nEdge = GetSystemMetrics(SM_CXEDGE);
        RECT rcGripper = {rc.left + nEdge, rc.top + nEdge, rc.left + 3 * nEdge, rc.bottom - nEdge};
        DrawEdge(hDC, &rcGripper, BDR_RAISEDINNER, BF_RECT);
    }
    ReleaseDC(m_hWnd, hDC);
    return 0;
}

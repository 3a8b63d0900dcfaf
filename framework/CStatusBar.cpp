#include "CStatusBar.h"

#include <commctrl.h>

#include <vector>

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::CreateEx(0, STATUSCLASSNAMEW, nullptr, dwStyle & ~CBRS_ALL, 0, 0, 0, 0,
                          *pParentWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    for (int i = 0; i < nIDCount; ++i) {
        if (lpIDArray[i] != ID_SEPARATOR)
            return FALSE;
    }
    m_nPanes = nIDCount;
    RECT rc;
    GetClientRect(&rc);
    SetPaneWidths(rc.right - rc.left);
    return TRUE;
}

void CStatusBar::SetPaneWidths(int cx) {
    if (m_nPanes == 0)
        return;
    // Right edges; the last pane reaches to the end.
    std::vector<int> edges(static_cast<size_t>(m_nPanes));
    for (int i = 0; i < m_nPanes; ++i)
        edges[static_cast<size_t>(i)] = i + 1 < m_nPanes ? cx * (i + 1) / m_nPanes : -1;
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(m_nPanes), reinterpret_cast<LPARAM>(edges.data()));
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCWSTR lpszNewText) {
    if (nIndex < 0 || nIndex >= m_nPanes)
        return FALSE;
    return SendMessage(SB_SETTEXTW, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpszNewText)) != 0;
}

int CStatusBar::CalcHeight() {
    // The control takes its own height from its font when told of a size change; it then
    // also lies along the bottom of the frame, where the frame would put it.
    SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    RECT rc;
    GetWindowRect(&rc);
    return rc.bottom - rc.top;
}

void CStatusBar::OnSize(UINT, int, int) {
    Default();
    // The control may have just sized itself: its own width, not the message's, counts.
    RECT rc;
    GetClientRect(&rc);
    SetPaneWidths(rc.right - rc.left);
}

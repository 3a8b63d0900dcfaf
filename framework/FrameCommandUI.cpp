// The frame's side of the command user interface: menu items and tool-bar buttons kept in
// step with the update handlers, and each command's prompt and tool tip taken from the
// command's string, "prompt\ntip".
#include "CFrameWnd.h"

#include "CCmdUI.h"
#include "CControlBar.h"
#include "CStatusBar.h"
#include "ResourceString.h"

#include <commctrl.h>

void CFrameWnd::OnInitMenuPopup(HMENU hMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu)
        return;
    const int nCount = GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == static_cast<UINT>(-1)) // separator, or a submenu
            continue;
        CCmdUI state;
        state.m_nID = nID;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_hMenu = hMenu;
        state.DoUpdate(this, TRUE);
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu) {
    if (nFlags == 0xFFFF && !hMenu) // the menu closed
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    else if (nFlags & (MF_POPUP | MF_SEPARATOR)) // nItemID is no command then
        SetMessageText(L"");
    else
        SetMessageText(nItemID);
}

void CFrameWnd::SetMessageText(UINT nID) {
    CString prompt;
    AfxExtractSubString(prompt, AfxLoadString(nID), 0);
    SetMessageText(prompt);
}

void CFrameWnd::SetMessageText(LPCWSTR lpszText) {
    HWND hStatusBar = ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR);
    if (auto* pStatusBar = dynamic_cast<CStatusBar*>(FromHandlePermanent(hStatusBar)))
        pStatusBar->SetPaneText(0, lpszText);
}

BOOL CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->code == TTN_GETDISPINFOW) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        UINT_PTR nID = pNMHDR->idFrom;
        if (pInfo->uFlags & TTF_IDISHWND)
            nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
        AfxExtractSubString(m_strTipText, AfxLoadString(static_cast<UINT>(nID)), 1);
        pInfo->hinst = nullptr;
        pInfo->lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(m_strTipText));
        *pResult = 0;
        return TRUE;
    }
    if (pNMHDR->code == static_cast<UINT>(TBN_HOTITEMCHANGE)) {
        auto* pBar = dynamic_cast<CControlBar*>(FromHandlePermanent(pNMHDR->hwndFrom));
        if (pBar && (pBar->GetBarStyle() & CBRS_FLYBY)) {
            auto* pHot = reinterpret_cast<NMTBHOTITEM*>(pNMHDR);
            SetMessageText((pHot->dwFlags & HICF_LEAVING) ? static_cast<UINT>(AFX_IDS_IDLEMESSAGE)
                                                          : static_cast<UINT>(pHot->idNew));
        }
        *pResult = 0; // the change goes ahead
        return TRUE;
    }
    return FALSE;
}

#include "CToolBar.h"

#include "CCmdUI.h"
#include "CFrameWnd.h"
#include "CWinApp.h"

#include <vector>

namespace {

// A button's state as its update handler sets it; only changes reach the control, so that
// idle updates do not repaint unchanged buttons.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(HWND hToolBar) : m_hToolBar(hToolBar) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        const BOOL bEnabled = ::SendMessageW(m_hToolBar, TB_ISBUTTONENABLED, m_nID, 0) != 0;
        if (bEnabled != (bOn != FALSE))
            ::SendMessageW(m_hToolBar, TB_ENABLEBUTTON, m_nID, MAKELPARAM(bOn != FALSE, 0));
    }
    void SetCheck(int nCheck) override {
        const BOOL bChecked = ::SendMessageW(m_hToolBar, TB_ISBUTTONCHECKED, m_nID, 0) != 0;
        if (bChecked != (nCheck != 0))
            ::SendMessageW(m_hToolBar, TB_CHECKBUTTON, m_nID, MAKELPARAM(nCheck != 0, 0));
    }

private:
    HWND m_hToolBar;
};

} // namespace

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders,
                        UINT nID) {
    // Set before creation: the window's first WM_NCCALCSIZE already needs them.
    m_dwStyle = dwStyle & CBRS_ALL;
    m_rcBorders = rcBorders;
    // The frame places the bar; the control neither moves nor sizes itself.
    DWORD dwWindowStyle =
        (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (dwStyle & CBRS_TOOLTIPS)
        dwWindowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEW, nullptr, dwWindowStyle, 0, 0, 0, 0, *pParentWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    const WORD kVersion = 1;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    HRSRC hResource = FindResourceW(hInstance, MAKEINTRESOURCEW(nIDResource), RT_TOOLBAR);
    const DWORD nSize = hResource ? SizeofResource(hInstance, hResource) : 0;
    const auto* pData = static_cast<const WORD*>(LockResource(LoadResource(hInstance, hResource)));
    if (!pData || nSize < 4 * sizeof(WORD) || pData[0] != kVersion ||
        nSize < (4u + pData[3]) * sizeof(WORD))
        return FALSE;
    const WORD nEntries = pData[3];
    std::vector<TBBUTTON> buttons(nEntries);
    int nImages = 0;
    for (WORD i = 0; i < nEntries; ++i) {
        const WORD nID = pData[4 + i];
        TBBUTTON& button = buttons[i];
        button.idCommand = nID;
        if (nID == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = nImages++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
    }
    return SetPictures(nIDResource, pData[1], pData[2]) &&
           SendMessage(TB_ADDBUTTONSW, nEntries, reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

BOOL CToolBar::SetPictures(UINT nIDBitmap, int cx, int cy) {
    if (!m_pictures.Create(nIDBitmap, cx, 1, RGB(192, 192, 192)))
        return FALSE;
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_pictures.GetSafeHandle()));
    // The customary frame of 7 pixels around the picture.
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(cx + 7, cy + 7));
    return TRUE;
}

RECT CToolBar::NonClientInsets() const {
    RECT insets = CControlBar::NonClientInsets();
    insets.left += m_rcBorders.left;
    insets.top += m_rcBorders.top;
    insets.right += m_rcBorders.right;
    insets.bottom += m_rcBorders.bottom;
    return insets;
}

int CToolBar::CalcHeight() {
    SIZE size = {};
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    const RECT insets = NonClientInsets();
    return insets.top + size.cy + insets.bottom;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) {
    const int nCount = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        CToolCmdUI state(m_hWnd);
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.m_nIndex = static_cast<UINT>(i);
        state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}

#include "CFrameWnd.h"

#include "CControlBar.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CView.h"
#include "CWinApp.h"
#include "ResourceString.h"

#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
END_MESSAGE_MAP()

namespace {

// The framework's own windows among hWnd's children, of the kind T.
template <class T> std::vector<T*> ChildrenOfKind(HWND hWnd) {
    std::vector<T*> children;
    for (HWND hChild = GetWindow(hWnd, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        if (auto* pChild = dynamic_cast<T*>(CWnd::FromHandlePermanent(hChild)))
            children.push_back(pChild);
    }
    return children;
}

} // namespace

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    AfxExtractSubString(m_strTitle, AfxLoadString(nIDResource), 0);
    HINSTANCE hInstance = AfxGetInstanceHandle();
    HMENU hMenu = ::LoadMenuW(hInstance, MAKEINTRESOURCEW(nIDResource));
    m_hAccelTable = ::LoadAcceleratorsW(hInstance, MAKEINTRESOURCEW(nIDResource));
    if (CreateEx(0, nullptr, m_strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                 CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu,
                 pContext))
        return TRUE;
    // The frame object is gone now. A window that existed took its menu with it; one that
    // never came about leaves the menu to us.
    if (hMenu && IsMenu(hMenu))
        DestroyMenu(hMenu);
    return FALSE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!cs.lpszClass) {
        HICON hIcon = ::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDHelp));
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), hIcon);
    }
    return cs.lpszClass != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return OnCreateClient(lpCreateStruct, pContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTW, CCreateContext* pContext) {
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    return CreateView(pContext) != nullptr;
}

CView* CFrameWnd::CreateView(CCreateContext* pContext) {
    CCmdTarget* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CView*>(pObject);
    if (!pView) {
        delete pObject;
        return nullptr;
    }
    if (pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(pView);
    // A view that fails to come about deletes itself, and so leaves its document.
    if (!pView->CreateEx(0, nullptr, nullptr, AFX_WS_DEFAULT_VIEW, 0, 0, 0, 0, m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                         pContext))
        return nullptr;
    return pView;
}

CView* CFrameWnd::GetActiveView() const {
    return dynamic_cast<CView*>(FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)));
}

CDocument* CFrameWnd::GetActiveDocument() const {
    CView* pView = GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(BOOL bMakeVisible) {
    if (bMakeVisible) {
        for (CView* pView : ChildrenOfKind<CView>(m_hWnd))
            pView->OnInitialUpdate();
    }
    OnUpdateFrameTitle();
    RecalcLayout();
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    if (!bMakeVisible)
        return;
    int nCmdShow = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        nCmdShow = pApp->m_nCmdShow;
        pApp->m_nCmdShow = -1; // only the first show follows the start-up request
    }
    ActivateFrame(nCmdShow);
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic(m_hWnd))
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (IsWindowVisible())
        BringWindowToTop(m_hWnd);
}

void CFrameWnd::OnUpdateFrameTitle() {
    CString title = m_strTitle;
    CDocument* pDocument = GetActiveDocument();
    if ((GetStyle() & FWS_ADDTOTITLE) && pDocument && !pDocument->GetTitle().IsEmpty())
        title = pDocument->GetTitle() + L" - " + m_strTitle;
    CString current;
    GetWindowText(current);
    if (current != title) // spares the caption a repaint
        SetWindowText(title);
}

void CFrameWnd::RecalcLayout() {
    RECT rcRest;
    GetClientRect(&rcRest);
    const int cx = rcRest.right - rcRest.left;
    for (CControlBar* pBar : ChildrenOfKind<CControlBar>(m_hWnd)) {
        // The bar's own style, not IsWindowVisible: the frame itself may be hidden.
        if (!(pBar->GetStyle() & WS_VISIBLE))
            continue;
        const int cy = pBar->CalcHeight();
        const DWORD dwAlign = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
        if (dwAlign & CBRS_ALIGN_TOP) {
            SetWindowPos(*pBar, nullptr, rcRest.left, rcRest.top, cx, cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            rcRest.top += cy;
        } else if (dwAlign & CBRS_ALIGN_BOTTOM) {
            SetWindowPos(*pBar, nullptr, rcRest.left, rcRest.bottom - cy, cx, cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            rcRest.bottom -= cy;
        }
    }
    if (CView* pView = GetActiveView()) {
        SetWindowPos(*pView, nullptr, rcRest.left, rcRest.top, cx,
                     std::max(0L, rcRest.bottom - rcRest.top), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CFrameWnd::OnSize(UINT nType, int, int) {
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar) {
    const DWORD dwAccepted = m_dwDockStyle & pBar->GetDockStyle();
    DWORD dwSide = 0;
    if (dwAccepted & CBRS_ALIGN_TOP)
        dwSide = CBRS_ALIGN_TOP;
    else if (dwAccepted & CBRS_ALIGN_BOTTOM)
        dwSide = CBRS_ALIGN_BOTTOM;
    if (!dwSide)
        return;
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | dwSide);
    RecalcLayout();
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    for (CControlBar* pBar : ChildrenOfKind<CControlBar>(m_hWnd))
        pBar->OnUpdateCmdUI(this, TRUE);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, UINT nCode, void* pExtra) {
    CView* pView = GetActiveView();
    if (pView && pView->OnCmdMsg(nID, nCode, pExtra))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hAccelTable)
        return FALSE;
    return TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam && dynamic_cast<CControlBar*>(FromHandlePermanent(reinterpret_cast<HWND>(lParam))))
        return CWnd::OnCommand(LOWORD(wParam), 0);
    return CWnd::OnCommand(wParam, lParam);
}

void CFrameWnd::OnClose() {
    if (CDocument* pDocument = GetActiveDocument()) {
        pDocument->OnCloseDocument(); // destroys this frame too
        return;
    }
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy() {
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    delete this;
}

LRESULT CFrameWnd::OnSetFocus(WPARAM, LPARAM) {
    // Keys go to the view, where the user works, rather than to the frame.
    if (CView* pView = GetActiveView())
        ::SetFocus(*pView);
    return 0;
}

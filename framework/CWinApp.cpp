#include "CWinApp.h"

#include "CFrameWnd.h"
#include "CMenu.h"
#include "CRecentFileList.h"
#include "CSingleDocTemplate.h"
#include "ResourceString.h"
#include "ShellCom.h"

namespace {

CWinApp* g_pApp = nullptr;

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_strAppName(lpszAppName ? CString(lpszAppName) : AfxLoadString(AFX_IDS_APP_TITLE)) {
    g_pApp = this;
    m_hInstance = GetModuleHandleW(nullptr);
    m_pszAppName = m_strAppName;
}

CWinApp::~CWinApp() {
    CloseSectionKey();
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    MSG msgPeek;
    bool bIdle = true;
    for (;;) {
        // Idle work once the queue is empty, and then not again before a message that may
        // have changed something.
        LONG lIdleCount = 0;
        while (bIdle && !PeekMessageW(&msgPeek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(m_msgCur))
                bIdle = true;
        } while (PeekMessageW(&msgPeek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

bool CWinApp::IsIdleMessage(const MSG& msg) {
    // A mouse that did not move, painting and the caret's blink change nothing that idle
    // work shows, and idle work itself gives rise to some of them.
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        const bool bMoved = msg.pt.x != m_ptLastMouse.x || msg.pt.y != m_ptLastMouse.y;
        m_ptLastMouse = msg.pt;
        return bMoved;
    }
    const UINT WM_SYSTIMER = 0x0118;
    return msg.message != WM_PAINT && msg.message != WM_SYSTIMER;
}

BOOL CWinApp::PumpMessage() {
    if (GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    HWND hMainWnd = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hMainWnd)
            break;
    }
    return FALSE;
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount == 0) {
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
            pFrame->OnIdleUpdateCmdUI();
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    return FALSE;
}

int CWinApp::ExitInstance() {
    AfxEndShellCom();
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList(*this);
    return m_msgCur.message == WM_QUIT ? static_cast<int>(m_msgCur.wParam) : 0;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconW(m_hInstance, MAKEINTRESOURCEW(nIDResource));
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWnd* AfxGetMainWnd() {
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandleW(nullptr);
}

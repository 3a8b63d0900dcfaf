#include "app/MainFrame.h"

#include "framework/AfxMessageBox.h"
#include "framework/CWinApp.h"
#include "listview/WendrakeView.h"
#include "res/resource.h"

#include <shellapi.h>

namespace {

const UINT indicators[] = {ID_SEPARATOR};

// Explorer announces a restarted notification area with this message; icons must be added
// again then, or the hidden program could not be reached any more.
const UINT s_uTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_SYSCOMMAND()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_COMMAND(ID_TRAY_SHOWWINDOW, OnTrayShowWindow)
ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
ON_COMMAND(ID_HELP, OnOpenHelp)
ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
ON_REGISTERED_MESSAGE(s_uTaskbarCreated, OnTaskbarCreated)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_bTrayIcon(FALSE), m_hIconEnabled(nullptr), m_hIconDisabled(nullptr) {}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // The caption stays the application's name; there is no document name to show.
    cs.style &= ~static_cast<LONG>(FWS_ADDTOTITLE);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                   CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                               RECT{0, 0, 0, 0}, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, sizeof indicators / sizeof indicators[0]))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);

    m_hIconEnabled = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    m_hIconDisabled = AfxGetApp()->LoadIcon(IDI_DISABLED);
    m_menuTray.LoadMenu(IDR_TRAYMENU);
    AddTrayIcon();
    return 0;
}

BOOL CMainFrame::NotifyTrayIcon(DWORD dwMessage, UINT uID, HICON hIcon) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = m_hWnd;
    nid.uID = uID;
    nid.uFlags = NIF_MESSAGE | NIF_ICON;
    nid.uCallbackMessage = WM_TRAYNOTIFY;
    nid.hIcon = hIcon;
    return Shell_NotifyIconW(dwMessage, &nid);
}

void CMainFrame::AddTrayIcon() {
    if (m_bTrayIcon || !m_hIconEnabled)
        return;
    NotifyTrayIcon(NIM_ADD, kTrayIconId, m_hIconEnabled);
    m_bTrayIcon = TRUE;
}

void CMainFrame::DeleteTrayIcon() {
    if (!m_bTrayIcon || !m_hIconEnabled)
        return;
    NotifyTrayIcon(NIM_DELETE, kTrayIconId, m_hIconEnabled);
    m_bTrayIcon = FALSE;
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam) {
    CFrameWnd::OnSysCommand(nID, lParam);
    // A minimised window leaves the taskbar too: the icon is the way back.
    if (nID == SC_MINIMIZE) {
        ShowWindow(SW_HIDE);
        AddTrayIcon();
    }
}

LRESULT CMainFrame::OnTrayNotify(WPARAM, LPARAM lParam) {
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDOWN:
        ShowWindow(SW_RESTORE);
        SetForegroundWindow();
        break;
    case WM_RBUTTONDOWN: {
        POINT point;
        GetCursorPos(&point);
        // Foreground first, or the menu would not close when the user clicks elsewhere.
        SetForegroundWindow();
        if (CMenu* pPopup = m_menuTray.GetSubMenu(0))
            pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, point.x,
                                   point.y, this);
        break;
    }
    default:
        break;
    }
    return 0;
}

void CMainFrame::OnTrayShowWindow() {
    ActivateFrame(-1);
}

void CMainFrame::OnTrayExit() {
    PostMessage(WM_CLOSE);
}

void CMainFrame::OnOpenHelp() {
    ShellExecuteW(m_hWnd, L"open", L"Wendrake.chm", nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrame::OnClose() {
    if (AfxMessageBox(IDS_CONFIRM_EXIT, MB_YESNO, 0) == IDNO)
        return;
    CFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    CFrameWnd::OnDestroy();
    DeleteTrayIcon();
}

LRESULT CMainFrame::OnEndSession(WPARAM wParam, LPARAM) {
    // At log-off the windows are never destroyed, so the save at destruction would not run.
    if (wParam)
        if (auto* pView = dynamic_cast<CWendrakeView*>(GetActiveView()))
            pView->WriteShortcuts();
    return 0;
}

LRESULT CMainFrame::OnTaskbarCreated(WPARAM, LPARAM) {
    m_bTrayIcon = FALSE;
    AddTrayIcon();
    auto* pView = dynamic_cast<CWendrakeView*>(GetActiveView());
    if (m_bTrayIcon && pView && !pView->m_bEnabled)
        NotifyTrayIcon(NIM_MODIFY, kTrayIconId, m_hIconDisabled);
    return 0;
}

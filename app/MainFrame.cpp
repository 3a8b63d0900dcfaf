#include "app/MainFrame.h"

#include "framework/AfxMessageBox.h"
#include "framework/CWinApp.h"
#include "framework/Dpi.h"
#include "framework/ResourceString.h"
#include "framework/ShellCom.h"
#include "res/resource.h"
#include "view/LaunchFailure.h"
#include "view/PictureDpi.h"
#include "view/WendrakeView.h"

#include <shellapi.h>

#include <vector>

namespace {

const UINT indicators[] = {ID_SEPARATOR};

// Explorer announces a restarted notification area with this message; icons must be added
// again then, or the hidden program could not be reached any more.
const UINT s_uTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
// The uninstaller's request to save and end without asking.
const UINT s_uQuitRequest = RegisterWindowMessageW(L"Wendrake.Quit");

NotifyIconCall s_pfnNotifyIcon = Shell_NotifyIconW;

// How long to wait before the next add after the shell refused so many in a row: at logon it
// may be busy for a while, so the waits grow, up to half a minute.
UINT TrayRetryDelay(int nRefused) {
    return nRefused <= 5 ? 1000u << (nRefused - 1) : 30000u;
}

// The help file lies beside the program, wherever the program was started from.
CString HelpFilePath() {
    std::vector<wchar_t> path(MAX_PATH);
    while (GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) == path.size())
        path.resize(path.size() * 2);
    *(wcsrchr(path.data(), L'\\') + 1) = L'\0';
    return CString(path.data()) + L"Wendrake.chm";
}

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_SHOWWINDOW, OnShowWindow)
ON_WM_SYSCOMMAND()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_COMMAND(ID_TRAY_SHOWWINDOW, OnTrayShowWindow)
ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
ON_COMMAND(ID_HELP, OnOpenHelp)
ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
ON_MESSAGE(WM_HOTKEYS_SWITCHED, OnHotKeysSwitched)
ON_MESSAGE(WM_VIEW_READY, OnViewReady)
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(WM_TIMER, OnTimer)
ON_REGISTERED_MESSAGE(s_uTaskbarCreated, OnTaskbarCreated)
ON_REGISTERED_MESSAGE(s_uQuitRequest, OnQuitRequest)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_bTrayIcon(FALSE), m_hIconEnabled(nullptr), m_hIconDisabled(nullptr) {}

CMainFrame::~CMainFrame() {
    // Gone with the window's children, the last users of the font.
    if (m_hFont)
        DeleteObject(m_hFont);
}

void CMainFrame::SetNotifyIconCall(NotifyIconCall pfnCall) {
    s_pfnNotifyIcon = pfnCall ? pfnCall : Shell_NotifyIconW;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // The caption stays the application's name; there is no document name to show.
    cs.style &= ~static_cast<LONG>(FWS_ADDTOTITLE);
    // A window made with a menu bar takes longer to come about.
    m_menuBar.Attach(cs.hMenu);
    cs.hMenu = nullptr;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_hIconEnabled = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    m_hIconDisabled = AfxGetApp()->LoadIcon(IDI_DISABLED);
    m_menuTray.LoadMenu(IDR_TRAYMENU);
    // Run elevated, the program would not hear a shell of normal rights announce itself.
    ChangeWindowMessageFilterEx(m_hWnd, s_uTaskbarCreated, MSGFLT_ALLOW, nullptr);
    AddTrayIcon();
    return 0;
}

LRESULT CMainFrame::OnShowWindow(WPARAM wParam, LPARAM) {
    if (wParam && !m_bShownParts)
        CreateShownParts();
    return Default();
}

void CMainFrame::CreateShownParts() {
    m_bShownParts = true;
    // Without its bars the window still works: the menu and the keys reach every command.
    if (m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                              WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                  CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                              RECT{0, 0, 0, 0}, AFX_IDW_TOOLBAR) &&
        m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
        m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndToolBar);
    }
    if (m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) &&
        m_wndStatusBar.SetIndicators(indicators, sizeof indicators / sizeof indicators[0]))
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    ::SetMenu(m_hWnd, m_menuBar.Detach());
    const UINT nDpi = AfxGetDpiForWindow(m_hWnd);
    UseFontFor(nDpi);
    ScaleToolBar(nDpi);
    if (CWendrakeView* pView = View())
        pView->PrepareToShow(nDpi);
}

void CMainFrame::ScaleToolBar(UINT nDpi) {
    const UINT nPictureDpi = PictureDpi(nDpi);
    if (m_wndToolBar.m_hWnd && nPictureDpi != m_nToolBarPictureDpi &&
        m_wndToolBar.SetPictures(PictureId(IDR_MAINFRAME, IDB_TOOLBAR_AT, nPictureDpi),
                                 AfxScaleForDpi(16, nPictureDpi), AfxScaleForDpi(15, nPictureDpi)))
        m_nToolBarPictureDpi = nPictureDpi;
    // The bars' heights follow their pictures and their fonts.
    RecalcLayout();
}

LRESULT CMainFrame::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const UINT nDpi = HIWORD(wParam);
    const RECT* pSuggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(m_hWnd, nullptr, pSuggested->left, pSuggested->top,
                 pSuggested->right - pSuggested->left, pSuggested->bottom - pSuggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_bShownParts)
        UseFontFor(nDpi);
    ScaleToolBar(nDpi);
    if (CWendrakeView* pView = View())
        pView->ScaleToDpi(nDpi);
    return 0;
}

void CMainFrame::UseFontFor(UINT nDpi) {
    // Without a new font the controls keep the one they have.
    HFONT hFont = AfxCreateMessageFont(nDpi);
    if (!hFont)
        return;
    const WPARAM wFont = reinterpret_cast<WPARAM>(hFont);
    if (CWendrakeView* pView = View())
        pView->SendMessage(WM_SETFONT, wFont, TRUE);
    if (m_wndStatusBar.m_hWnd)
        m_wndStatusBar.SendMessage(WM_SETFONT, wFont, TRUE);
    if (m_wndToolBar.m_hWnd)
        if (HWND hTips = reinterpret_cast<HWND>(m_wndToolBar.SendMessage(TB_GETTOOLTIPS)))
            ::SendMessageW(hTips, WM_SETFONT, wFont, TRUE);
    // No control uses the old one now.
    if (m_hFont)
        DeleteObject(m_hFont);
    m_hFont = hFont;
}

CWendrakeView* CMainFrame::View() const {
    return dynamic_cast<CWendrakeView*>(GetActiveView());
}

HICON CMainFrame::CurrentPicture() {
    CWendrakeView* pView = View();
    return pView && !pView->HotKeysEnabled() ? m_hIconDisabled : m_hIconEnabled;
}

BOOL CMainFrame::NotifyTrayIcon(DWORD dwMessage, UINT uID, HICON hIcon) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = m_hWnd;
    nid.uID = uID;
    // A change of picture leaves the callback as it is.
    nid.uFlags = dwMessage == NIM_MODIFY ? NIF_ICON : NIF_MESSAGE | NIF_ICON;
    nid.uCallbackMessage = WM_TRAYNOTIFY;
    nid.hIcon = hIcon;
    return s_pfnNotifyIcon(dwMessage, &nid);
}

void CMainFrame::AddTrayIcon() {
    if (m_bTrayIcon || !m_hIconEnabled)
        return;
    // At logon the shell often gives up on an add while it starts programs, and says nothing
    // when it is ready: the add is tried again until it goes through. An add it gave up on may
    // still have gone through late; then only a change succeeds.
    m_bTrayIcon =
        NotifyTrayIcon(NIM_ADD, kTrayIconId, CurrentPicture()) ||
        (m_nTrayAddsRefused > 0 && NotifyTrayIcon(NIM_MODIFY, kTrayIconId, CurrentPicture()));
    if (m_bTrayIcon) {
        m_nTrayAddsRefused = 0;
        KillTimer(m_hWnd, kTrayRetryTimer);
        return;
    }
    ++m_nTrayAddsRefused;
    SetTimer(m_hWnd, kTrayRetryTimer, TrayRetryDelay(m_nTrayAddsRefused), nullptr);
}

LRESULT CMainFrame::OnTimer(WPARAM wParam, LPARAM) {
    if (wParam == kTrayRetryTimer) {
        KillTimer(m_hWnd, kTrayRetryTimer);
        AddTrayIcon();
    }
    return 0;
}

void CMainFrame::DeleteTrayIcon() {
    if (!m_bTrayIcon || !m_hIconEnabled)
        return;
    NotifyTrayIcon(NIM_DELETE, kTrayIconId, m_hIconEnabled);
    m_bTrayIcon = FALSE;
}

LRESULT CMainFrame::OnHotKeysSwitched(WPARAM, LPARAM) {
    NotifyTrayIcon(NIM_MODIFY, kTrayIconId, CurrentPicture());
    return 0;
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
    const CString strHelp = HelpFilePath();
    AfxStartShellCom();
    const INT_PTR nResult = reinterpret_cast<INT_PTR>(
        ShellExecuteW(m_hWnd, L"open", strHelp, nullptr, nullptr, SW_SHOWNORMAL));
    if (nResult <= 32)
        AfxMessageBox(LaunchFailureText(strHelp, nResult), MB_OK, 0);
}

void CMainFrame::OnDestroy() {
    CFrameWnd::OnDestroy();
    DeleteTrayIcon();
}

// Every quit arrives here as WM_CLOSE: the close box, Alt+F4, the menus' quit items and the
// uninstaller's request (OnQuitRequest), which is told but not asked; the session's end is no
// quit (OnEndSession). In this order:
// - a close while one of the quit's boxes is open is that box's to decide, and one while the
//   view's load or an editing flow shows a box or dialog of its own waits until it has ended
//   (OnViewReady): either would destroy the frame and view under the code still using them;
// - the user confirms the quit;
// - the list is written, while a box can still be shown: when the profile cannot take it, the
//   user is told why and may stay, with the list as it is, to remove the cause and quit again;
// - the frame and the view go, and the view's hot keys with them.
void CMainFrame::OnClose() {
    if (m_bAsking)
        return;
    CWendrakeView* pView = View();
    if (pView && pView->IsBusy()) {
        m_bCloseWaiting = true;
        return;
    }
    if (!m_bQuitRequested && !QuitConfirmed(AfxLoadString(IDS_CONFIRM_EXIT), MB_YESNO))
        return;
    const DWORD dwError = pView ? pView->WriteShortcuts() : ERROR_SUCCESS;
    if (dwError != ERROR_SUCCESS) {
        // No, the default, keeps every change since the last good write.
        const CString strFailure = CWendrakeView::WriteFailureText(dwError);
        if (!QuitConfirmed(m_bQuitRequested ? strFailure
                                            : strFailure + L"\n" + AfxLoadString(IDS_QUIT_UNSAVED),
                           m_bQuitRequested ? MB_OK : MB_YESNO | MB_DEFBUTTON2))
            return;
    }
    CFrameWnd::OnClose();
}

bool CMainFrame::QuitConfirmed(const CString& strText, UINT nType) {
    m_bAsking = true;
    const int nAnswer = AfxMessageBox(strText, nType, 0);
    m_bAsking = false;
    return nAnswer == IDYES || m_bQuitRequested;
}

LRESULT CMainFrame::OnViewReady(WPARAM, LPARAM) {
    if (m_bCloseWaiting) {
        m_bCloseWaiting = false;
        PostMessage(WM_CLOSE);
    }
    return 0;
}

LRESULT CMainFrame::OnQuitRequest(WPARAM, LPARAM) {
    m_bQuitRequested = true;
    PostMessage(WM_CLOSE);
    return 0;
}

LRESULT CMainFrame::OnEndSession(WPARAM wParam, LPARAM) {
    // At log-off no box can be answered, and the system ends the process without a close.
    if (wParam)
        if (CWendrakeView* pView = View())
            pView->WriteShortcuts();
    return 0;
}

LRESULT CMainFrame::OnTaskbarCreated(WPARAM, LPARAM) {
    // A new notification area: a new add, with no refusals of the old one counted against it.
    m_bTrayIcon = FALSE;
    m_nTrayAddsRefused = 0;
    AddTrayIcon();
    return 0;
}

// The main frame: the list view with a tool bar and a status bar, and the program's presence
// in the notification area, with the icon's two pictures and its menu. The menu bar, the bars
// and the rows' pictures come at the first show: the frame lives hidden, and starts faster
// without them.
#pragma once

#include "framework/CFrameWnd.h"
#include "framework/CMenu.h"
#include "framework/CStatusBar.h"
#include "framework/CToolBar.h"

class CWendrakeView;

// The notification-area icon's callback message and its id.
const UINT WM_TRAYNOTIFY = WM_APP + 100;
const UINT kTrayIconId = 128;
// The timer that tries the icon's add again after the shell refused it.
const UINT_PTR kTrayRetryTimer = 1;

// Shell_NotifyIconW's signature: the call that adds, changes and removes the icon.
using NotifyIconCall = BOOL(WINAPI*)(DWORD dwMessage, PNOTIFYICONDATAW pData);

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    // Puts another call in the place of Shell_NotifyIconW, for every frame; nullptr puts the
    // shell's back. Tests use it: no shell can be made to refuse an add when they want.
    static void SetNotifyIconCall(NotifyIconCall pfnCall);

private:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    LRESULT OnShowWindow(WPARAM wParam, LPARAM lParam);
    void CreateShownParts();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnDestroy();
    void OnClose();
    // Shows one of the quit's boxes: true for a yes, and whenever the uninstaller's request has
    // come, before or while it is shown.
    bool QuitConfirmed(const CString& strText, UINT nType);
    void OnTrayShowWindow();
    void OnTrayExit();
    void OnOpenHelp();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnHotKeysSwitched(WPARAM wParam, LPARAM lParam);
    LRESULT OnViewReady(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    LRESULT OnQuitRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);

    BOOL NotifyTrayIcon(DWORD dwMessage, UINT uID, HICON hIcon);
    void AddTrayIcon();
    void DeleteTrayIcon();
    // The picture that says whether hot keys work.
    HICON CurrentPicture();
    CWendrakeView* View() const;
    // The tool bar's pictures for the DPI, and the bars laid out again.
    void ScaleToolBar(UINT nDpi);
    // The controls' text in the message font made for the DPI; the bars are laid out after it.
    void UseFontFor(UINT nDpi);

    BOOL m_bTrayIcon;
    int m_nTrayAddsRefused = 0; // in a row, since the icon was last there
    HICON m_hIconEnabled;       // the picture while hot keys are enabled
    HICON m_hIconDisabled;      // the picture while they are disabled
    CMenu m_menuTray;
    CMenu m_menuBar; // the window's menu, until the window is first shown
    bool m_bShownParts = false;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    UINT m_nToolBarPictureDpi = 96; // what its pictures are drawn for; LoadToolBar brings 96
    HFONT m_hFont = nullptr;        // the controls' font, once shown
    bool m_bAsking = false;         // one of the quit's questions is open
    bool m_bCloseWaiting = false;   // a close waits for the view's load or editing to end
    bool m_bQuitRequested = false;  // ending without a question, as the uninstaller asks

    DECLARE_MESSAGE_MAP()
};

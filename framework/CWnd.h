// A window: an HWND wrapper whose messages go through the framework's one window procedure
// to the message map of its class. Windows made with CreateEx and controls attached with
// SubclassWindow are both routed this way; any message the map does not handle goes on to
// the window's original procedure (Default).
#pragma once

#include "CCmdTarget.h"
#include "CString.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to hWnd, or nullptr when the framework does not route its messages.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The attached object or, for any other window, a temporary wrapper that lives until the
    // next idle time (DeleteTempMap).
    static CWnd* FromHandle(HWND hWnd);
    static void DeleteTempMap();

    // Creates the window after PreCreateWindow has seen (and may have changed) its parameters.
    // When it fails, PostNcDestroy has run (a self-deleting object is gone).
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam = nullptr);
    BOOL DestroyWindow();

    // Routes an existing window's messages through this object, e.g. a dialog's control.
    BOOL SubclassWindow(HWND hWnd);

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    void SetWindowText(LPCWSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }
    void GetWindowText(CString& rString) const;
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    // Turns painting off around a bulk change, and back on with a repaint.
    void SetRedraw(BOOL bRedraw = TRUE);

    // Hook for messages before they are dispatched (accelerators, dialog keys).
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Dispatch of one message: WindowProc calls OnWndMsg and, when no entry handled it,
    // DefWindowProc (the window's original procedure).
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled now.
    LRESULT Default();

    // WM_COMMAND: menu and accelerator commands must still be enabled by their update
    // handler; then OnCmdMsg carries them out.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: the control that sent it gets it back first (reflection), then this map.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification reflected from this window's parent; TRUE when this map handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Default handlers that the program's classes call as their base behaviour.
    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnDropFiles(HDROP hDropInfo);
    void OnLButtonDblClk(UINT nFlags, POINT point);

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    // Called after the window's last message; frames and views delete themselves here.
    virtual void PostNcDestroy();

    WNDPROC m_pfnSuper = nullptr;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
    void Attach(HWND hWnd);
    void Detach();
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The next window created on this thread gets attached to pWnd (subclassed) before its first
// message, whatever its class. Used by CreateEx and by dialogs.
void AfxHookWindowCreate(CWnd* pWnd);
// Clears a pending hook; TRUE when the window was attached.
BOOL AfxUnhookWindowCreate();

// Registers a window class whose windows the framework routes; returns its name.
LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                            HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

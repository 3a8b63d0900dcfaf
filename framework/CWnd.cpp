#include "CWnd.h"

#include "CCmdUI.h"

#include <memory>
#include <unordered_map>

namespace {

// The objects attached to this thread's windows. A map of our own rather than a window
// property: every message looks its object up, and a property costs a trip to the system.
std::unordered_map<HWND, CWnd*>& PermanentMap() {
    thread_local std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The message being handled now, for Default(). Saved and restored around each dispatch, so
// nested messages (a SendMessage from a handler) do not lose the outer one.
thread_local MSG t_currentMsg = {};

thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCbt = nullptr;

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TempMap() {
    thread_local std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

} // namespace

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND && t_pWndInit) {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(t_hHookCbt, nCode, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd) {
    // Installed once per thread and left in place: it runs only when a window is created.
    if (!t_hHookCbt)
        t_hHookCbt = SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, GetCurrentThreadId());
    t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    const BOOL bAttached = t_pWndInit == nullptr;
    t_pWndInit = nullptr;
    return bAttached;
}

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    // One class per combination of attributes, named after them, as the system needs them
    // fixed per class.
    thread_local wchar_t szName[96];
    wsprintfW(szName, L"Wendrake:%x:%p:%p:%p", nClassStyle, hCursor, hbrBackground, hIcon);
    WNDCLASSW wc = {};
    HINSTANCE hInstance = GetModuleHandleW(nullptr);
    if (!GetClassInfoW(hInstance, szName, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = DefWindowProcW; // the creation hook routes the windows to AfxWndProc
        wc.hInstance = hInstance;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = szName;
        if (!RegisterClassW(&wc))
            return nullptr;
    }
    return szName;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return DefWindowProcW(hWnd, message, wParam, lParam);

    const MSG previous = t_currentMsg;
    t_currentMsg = {hWnd, message, wParam, lParam, 0, {0, 0}};
    const LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
    t_currentMsg = previous;

    if (message == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    return lResult;
}

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        // The object goes first: the window must not call into it any more.
        HWND hWnd = m_hWnd;
        Detach();
        ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    const auto found = PermanentMap().find(hWnd);
    return found != PermanentMap().end() ? found->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& slot = TempMap()[hWnd];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hWnd; // not attached: the temporary only wraps the handle
    }
    return slot.get();
}

void CWnd::DeleteTempMap() {
    for (auto& entry : TempMap())
        entry.second->m_hWnd = nullptr; // a temporary never owns its window
    TempMap().clear();
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
}

void CWnd::Detach() {
    if (!m_hWnd)
        return;
    PermanentMap().erase(m_hWnd);
    if (m_pfnSuper) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    Attach(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW&) {
    return TRUE;
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    CREATESTRUCTW cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = GetModuleHandleW(nullptr);
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // A failed creation always ends in PostNcDestroy, as after a refusal above: a window that
    // came about and was destroyed again had it after WM_NCDESTROY, one that never came
    // about has it here.
    if (!AfxUnhookWindowCreate() && !hWnd)
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

void CWnd::GetWindowText(CString& rString) const {
    const int nLength = GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBuffer(nLength), nLength + 1);
    rString.ReleaseBuffer();
}

void CWnd::SetRedraw(BOOL bRedraw) {
    SendMessage(WM_SETREDRAW, bRedraw);
    if (bRedraw)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        *pResult = 0;
        return OnCommand(wParam, lParam);
    }
    if (message == WM_NOTIFY) {
        *pResult = 0;
        return OnNotify(wParam, lParam, pResult);
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (!entry)
        return FALSE;
    *pResult = entry->pfnThunk(this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(t_currentMsg.message, t_currentMsg.wParam, t_currentMsg.lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    UINT nCode = HIWORD(wParam);
    if (lParam == 0) {
        // From a menu (0) or an accelerator (1): carried out only while its update handler
        // leaves it enabled.
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    return OnCmdMsg(nID, nCode, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom)) {
        if (pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
            return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry =
        FindMessageEntry(WM_NOTIFY, pNMHDR->code, static_cast<UINT>(pNMHDR->idFrom));
    if (!entry)
        return FALSE;
    *pResult = entry->pfnThunk(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_NOTIFY)
        return FALSE;
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_REFLECT_BASE + WM_NOTIFY, pNMHDR->code, 0);
    if (!entry)
        return FALSE;
    *pResult = entry->pfnThunk(this, wParam, lParam);
    return TRUE;
}

int CWnd::OnCreate(LPCREATESTRUCTW) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
void CWnd::OnDropFiles(HDROP) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, POINT) {
    Default();
}

#include "MenuScript.h"

#include "support/SyntheticInput.h"

namespace {

const wchar_t kClassName[] = L"WendrakeMenuScript";
const UINT WM_RUN_SCRIPT = WM_APP + 1;

// The thread's open pop-up menu window, if any.
HWND OpenMenuWindow() {
    for (HWND hWnd = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); hWnd;
         hWnd = FindWindowExW(nullptr, hWnd, L"#32768", nullptr)) {
        if (IsWindowVisible(hWnd) &&
            GetWindowThreadProcessId(hWnd, nullptr) == GetCurrentThreadId())
            return hWnd;
    }
    return nullptr;
}

} // namespace

MenuScript::MenuScript() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc); // fails harmlessly when an earlier script registered it
    m_hWnd = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                             nullptr);
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MenuScript::~MenuScript() {
    DestroyWindow(m_hWnd);
}

void MenuScript::Arm(Script script) {
    m_script = std::move(script);
    m_bRan = false;
    PostMessageW(m_hWnd, WM_RUN_SCRIPT, 0, 0);
}

LRESULT CALLBACK MenuScript::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MenuScript*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (message != WM_RUN_SCRIPT || !self)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    if (HWND hMenuWnd = OpenMenuWindow()) {
        self->m_bRan = true;
        self->m_script(hMenuWnd,
                       reinterpret_cast<HMENU>(SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0)));
    }
    return 0;
}

void ClickMenuItem(HWND hMenuWnd, HMENU hMenu, int nPosition) {
    RECT rc;
    GetMenuItemRect(hMenuWnd, hMenu, static_cast<UINT>(nPosition), &rc);
    SendClick({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

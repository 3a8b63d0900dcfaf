#include "TestWindow.h"

namespace {
const wchar_t kClassName[] = L"WendrakeTestWindow";
}

TestWindow::TestWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc); // fails harmlessly when a previous window registered it
    m_hWnd = CreateWindowExW(0, kClassName, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                             nullptr, wc.hInstance, this);
}

TestWindow::~TestWindow() {
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

std::vector<MSG> TestWindow::Received(UINT message) const {
    std::vector<MSG> matching;
    for (const MSG& msg : m_received)
        if (msg.message == message)
            matching.push_back(msg);
    return matching;
}

LRESULT CALLBACK TestWindow::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self) {
        MSG msg = {};
        msg.hwnd = hWnd;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        msg.time = GetTickCount();
        self->m_received.push_back(msg);
        if (message == WM_NCDESTROY)
            self->m_hWnd = nullptr;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

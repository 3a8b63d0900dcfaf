// The framework's own routing, where a fault would be hard to locate from the program's
// behaviour: which message-map entry runs, and which object a window handle leads to.
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BaseWnd : public CWnd {
public:
    std::string m_calls;
    HWND m_hLast = nullptr;
    bool m_bDetachedAtTheEnd = false;

protected:
    LRESULT OnApp(WPARAM, LPARAM) { return m_calls += "base", 1; }
    LRESULT OnApp2(WPARAM, LPARAM) { return m_calls += "base2", 2; }
    void PostNcDestroy() override {
        m_bDetachedAtTheEnd = !m_hWnd && !FromHandlePermanent(m_hLast);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_MESSAGE(WM_APP, OnApp)
ON_MESSAGE(WM_APP + 2, OnApp2)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
    LRESULT OnApp(WPARAM, LPARAM) { return m_calls += "derived", 3; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

TEST(WindowRouting, TheMostDerivedEntryRunsThenTheBaseMapThenTheDefault) {
    DerivedWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), L"t", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr));
    EXPECT_EQ(SendMessageW(wnd, WM_APP, 0, 0), 3);
    EXPECT_EQ(SendMessageW(wnd, WM_APP + 2, 0, 0), 2);
    SendMessageW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"by default"));
    wchar_t szText[16] = {};
    GetWindowTextW(wnd, szText, 16);
    EXPECT_STREQ(szText, L"by default");
    EXPECT_EQ(wnd.m_calls, "derivedbase2");

    // A handle leads to its object until the window is gone; any other to a temporary one.
    wnd.m_hLast = wnd.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandle(GetDesktopWindow())->m_hWnd, GetDesktopWindow());
    EXPECT_EQ(CWnd::FromHandlePermanent(GetDesktopWindow()), nullptr);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(wnd.m_bDetachedAtTheEnd);
}

} // namespace

// Message maps, command routing within one window, reflection and default processing, on
// real windows and controls.
#include "framework/CCmdUI.h"
#include "framework/CWnd.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT WM_BASE_ONLY = WM_APP + 1;
const UINT WM_BOTH = WM_APP + 2;
const UINT ID_SHARED = 100;
const UINT ID_GUARDED = 101;
const UINT ID_LIST = 200;

class BaseWnd : public CWnd {
public:
    std::vector<std::string> calls;
    int OnCreate(LPCREATESTRUCTW lpcs) {
        calls.push_back("base create");
        return CWnd::OnCreate(lpcs);
    }
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM) {
        calls.push_back("base only");
        return static_cast<LRESULT>(wParam) + 1;
    }
    LRESULT OnBoth(WPARAM, LPARAM) {
        calls.push_back("base both");
        return 0;
    }
    void OnShared() { calls.push_back("base shared"); }
    void OnNotifyColumnClick(NMHDR*, LRESULT* pResult) {
        calls.push_back("parent notify");
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_BASE_ONLY, OnBaseOnly)
ON_MESSAGE(WM_BOTH, OnBoth)
ON_COMMAND(ID_SHARED, OnShared)
ON_NOTIFY(LVN_COLUMNCLICK, ID_LIST, OnNotifyColumnClick)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
    BOOL guardedEnabled = TRUE;
    bool destroyedAfterLastMessage = false;
    LRESULT OnBoth(WPARAM, LPARAM) {
        calls.push_back("derived both");
        return 0;
    }
    void OnShared() { calls.push_back("derived shared"); }
    void OnGuarded() { calls.push_back("guarded"); }
    void OnUpdateGuarded(CCmdUI* pCmdUI) { pCmdUI->Enable(guardedEnabled); }

protected:
    void PostNcDestroy() override { destroyedAfterLastMessage = m_hWnd == nullptr; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(WM_BOTH, OnBoth)
ON_COMMAND(ID_SHARED, OnShared)
ON_COMMAND(ID_GUARDED, OnGuarded)
ON_UPDATE_COMMAND_UI(ID_GUARDED, OnUpdateGuarded)
END_MESSAGE_MAP()

// A list control that takes its column clicks back from its parent.
class ReflectingList : public CWnd {
public:
    int reflected = 0;
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
        reflected = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingList, CWnd)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
END_MESSAGE_MAP()

// An edit control whose WM_SETTEXT handler runs the control's own processing first.
class RecordingEdit : public CWnd {
public:
    std::wstring seen;
    LRESULT OnSetText(WPARAM, LPARAM lParam) {
        const LRESULT result = Default();
        seen = reinterpret_cast<const wchar_t*>(lParam);
        return result;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingEdit, CWnd)
ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), L"map", WS_OVERLAPPEDWINDOW, 0, 0,
                                   300, 200, nullptr, nullptr));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }

    LRESULT Command(UINT id, WORD code = 0, HWND hCtl = nullptr) {
        return m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hCtl));
    }

    DerivedWnd m_wnd;
};

TEST_F(MessageMapTest, MostDerivedEntryWinsAndBaseEntriesStillApply) {
    ASSERT_EQ(m_wnd.calls, std::vector<std::string>{"base create"});
    m_wnd.calls.clear();
    EXPECT_EQ(m_wnd.SendMessage(WM_BASE_ONLY, 41), 42);
    m_wnd.SendMessage(WM_BOTH);
    Command(ID_SHARED);
    EXPECT_EQ(m_wnd.calls,
              (std::vector<std::string>{"base only", "derived both", "derived shared"}));
}

TEST_F(MessageMapTest, UnhandledMessagesGetDefaultProcessing) {
    m_wnd.SetWindowText(L"タイトル");
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_STREQ(text, L"タイトル");
}

TEST_F(MessageMapTest, DisabledMenuOrAcceleratorCommandIsDropped) {
    m_wnd.guardedEnabled = FALSE;
    Command(ID_GUARDED, 0);               // menu
    Command(ID_GUARDED, 1);               // accelerator
    EXPECT_TRUE(m_wnd.calls.size() == 1); // only the creation
    m_wnd.guardedEnabled = TRUE;
    Command(ID_GUARDED, 1);
    EXPECT_EQ(m_wnd.calls.back(), "guarded");

    CTestCmdUI state;
    state.m_nID = ID_GUARDED;
    m_wnd.guardedEnabled = FALSE;
    EXPECT_TRUE(m_wnd.OnCmdMsg(ID_GUARDED, CN_UPDATE_COMMAND_UI, &state));
    EXPECT_FALSE(state.m_bEnabled);
    AFX_CMDHANDLERINFO info = {nullptr};
    EXPECT_TRUE(m_wnd.OnCmdMsg(ID_GUARDED, CN_COMMAND, &info));
    EXPECT_EQ(info.pTarget, &m_wnd);
    EXPECT_EQ(m_wnd.calls.back(), "guarded") << "asking for a handler must not run it";
    EXPECT_FALSE(m_wnd.OnCmdMsg(0x7777, CN_COMMAND, &info));
}

TEST_F(MessageMapTest, ControlGetsItsOwnNotificationBackBeforeTheParent) {
    HWND hList = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 100, 100,
                                 m_wnd.m_hWnd, reinterpret_cast<HMENU>(ID_LIST), nullptr, nullptr);
    ASSERT_NE(hList, nullptr);
    NMLISTVIEW nm = {};
    nm.hdr = {hList, ID_LIST, static_cast<UINT>(LVN_COLUMNCLICK)};
    nm.iSubItem = 2;

    // Not attached: the parent's own entry handles it.
    m_wnd.calls.clear();
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, ID_LIST, reinterpret_cast<LPARAM>(&nm)), 5);
    EXPECT_EQ(m_wnd.calls, std::vector<std::string>{"parent notify"});

    ReflectingList list;
    ASSERT_TRUE(list.SubclassWindow(hList));
    m_wnd.calls.clear();
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, ID_LIST, reinterpret_cast<LPARAM>(&nm)), 7);
    EXPECT_EQ(list.reflected, 2);
    EXPECT_TRUE(m_wnd.calls.empty());
}

TEST(SubclassedControl, HandlerCanRunTheControlsOwnProcessingFirst) {
    HWND hEdit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                 nullptr, nullptr);
    RecordingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), &edit);
    SetWindowTextW(hEdit, L"C:\\パス");
    EXPECT_EQ(edit.seen, L"C:\\パス");
    wchar_t buffer[32] = {};
    GetWindowTextW(hEdit, buffer, 32);
    EXPECT_STREQ(buffer, L"C:\\パス");

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    SetWindowTextW(hEdit, L"after");
    EXPECT_EQ(edit.seen, L"C:\\パス");
    DestroyWindow(hEdit);
}

TEST(WindowLifetime, DestroyDetachesBeforePostNcDestroy) {
    DerivedWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = wnd.m_hWnd;
    HWND hChild = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, hWnd,
                                  reinterpret_cast<HMENU>(9), nullptr, nullptr);
    CWnd* pTemp = wnd.GetDlgItem(9);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hChild);
    EXPECT_EQ(CWnd::FromHandlePermanent(hChild), nullptr) << "a temporary is not attached";
    CWnd::DeleteTempMap();

    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(wnd.destroyedAfterLastMessage);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

} // namespace

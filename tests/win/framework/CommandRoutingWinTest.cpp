// Command routing through view, document, frame and application, and the update handlers
// that decide, for menus, accelerators and tool-bar buttons alike, whether a command runs.
#include "FrameTestClasses.h"
#include "FrameTestResources.h"

#include "framework/CMenu.h"
#include "framework/CSingleDocTemplate.h"
#include "support/SyntheticInput.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using CommandRouting = FrameTest;

// Runs the application's own message handling (accelerators included) until the condition
// holds or the time is up.
bool PumpAppUntil(CWinApp& app, const std::function<bool()>& condition, DWORD timeoutMs = 3000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (msg.message == WM_QUIT || !app.PumpMessage())
                return false;
            continue;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
    }
    return true;
}

bool CallsContain(const std::string& call) {
    for (const std::string& made : Calls())
        if (made == call)
            return true;
    return false;
}

UINT MenuState(HMENU hMenu, UINT nID) {
    return GetMenuState(hMenu, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
}

TEST_F(CommandRouting, FirstOfViewDocumentFrameAndApplicationHandlesIt) {
    TestFrame* pFrame = StartNewDocument();
    ASSERT_NE(pFrame, nullptr);
    for (UINT nID : {ID_TEST_VIEW, ID_TEST_DOCUMENT, ID_TEST_FRAME, ID_TEST_APP})
        pFrame->SendMessage(WM_COMMAND, nID);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"view", "document", "frame", "app"}));
}

TEST_F(CommandRouting, DisabledAcceleratorCommandIsDroppedFromARealKeyPress) {
    TestFrame* pFrame = StartNewDocument(SW_SHOWNORMAL);
    ASSERT_NE(pFrame, nullptr);
    pFrame->SetForegroundWindow();
    ASSERT_TRUE(PumpAppUntil(m_app, [&] { return GetFocus() == *pFrame->GetActiveView(); }))
        << "the view takes the keyboard focus";

    // F7 runs an enabled command after Ctrl+G: once it has run, Ctrl+G has been handled.
    TestView::s_bGuardedEnabled = FALSE;
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL, 'G'));
    ASSERT_TRUE(SendKeyCombination(0, VK_F7));
    ASSERT_TRUE(PumpAppUntil(m_app, [] { return CallsContain("view"); }));
    EXPECT_FALSE(CallsContain("guarded"));

    TestView::s_bGuardedEnabled = TRUE;
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL, 'G'));
    EXPECT_TRUE(PumpAppUntil(m_app, [] { return CallsContain("guarded"); }));
}

TEST_F(CommandRouting, DisabledToolBarCommandIsDroppedBeforeTheButtonShowsIt) {
    TestFrame* pFrame = StartNewDocument();
    ASSERT_NE(pFrame, nullptr);
    const LPARAM lToolBar = reinterpret_cast<LPARAM>(pFrame->m_wndToolBar.m_hWnd);
    TestView::s_bGuardedEnabled = FALSE;
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_GUARDED, BN_CLICKED), lToolBar);
    EXPECT_TRUE(Calls().empty());
    TestView::s_bGuardedEnabled = TRUE;
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_GUARDED, BN_CLICKED), lToolBar);
    EXPECT_EQ(Calls(), std::vector<std::string>{"guarded"});
}

TEST_F(CommandRouting, PopupTrackedForTheFrameShowsTheUpdateHandlersStates) {
    TestFrame* pFrame = StartNewDocument(SW_SHOWNORMAL);
    ASSERT_NE(pFrame, nullptr);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TESTFRAME));
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_NE(pPopup, nullptr);
    TestView::s_bGuardedEnabled = FALSE;

    pFrame->SetForegroundWindow();
    // Dispatched by the pop-up's own loop once it is open; it closes the pop-up again.
    pFrame->PostMessage(WM_CANCELMODE);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, 100, 100, pFrame);

    EXPECT_EQ(MenuState(*pPopup, ID_TEST_VIEW), 0u);
    EXPECT_EQ(MenuState(*pPopup, ID_TEST_GUARDED), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(MenuState(*pPopup, ID_TEST_CHECKED), static_cast<UINT>(MF_CHECKED))
        << "a handler that only checks leaves the item enabled: the command has a handler";
    EXPECT_EQ(MenuState(*pPopup, ID_TEST_UNHANDLED), static_cast<UINT>(MF_GRAYED))
        << "nothing would carry it out";
    EXPECT_EQ(MenuState(*pPopup, ID_APP_EXIT), 0u) << "the application's own command";
    EXPECT_TRUE(Calls().empty()) << "nothing was chosen";
}

TEST_F(CommandRouting, ToolBarButtonsTakeTheirStatesAtIdleTime) {
    TestFrame* pFrame = StartNewDocument();
    ASSERT_NE(pFrame, nullptr);
    HWND hToolBar = pFrame->m_wndToolBar;
    auto enabled = [&](UINT nID) {
        return SendMessageW(hToolBar, TB_ISBUTTONENABLED, nID, 0) != 0;
    };

    TestView::s_bGuardedEnabled = FALSE;
    EXPECT_TRUE(enabled(ID_TEST_GUARDED)) << "not before idle time";
    m_app.OnIdle(0);
    EXPECT_FALSE(enabled(ID_TEST_GUARDED));
    EXPECT_FALSE(enabled(ID_TEST_UNHANDLED));
    EXPECT_TRUE(enabled(ID_TEST_APP));

    TestView::s_bGuardedEnabled = TRUE;
    m_app.OnIdle(0);
    EXPECT_TRUE(enabled(ID_TEST_GUARDED));
}

// The message loop runs idle processing once the queue is empty; an update handler that
// ends the loop shows it ran.
class QuittingView : public TestView {
    DECLARE_DYNCREATE(QuittingView)
public:
    void OnUpdateGuarded(CCmdUI* pCmdUI) {
        pCmdUI->Enable(TRUE);
        PostQuitMessage(7);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(QuittingView)
BEGIN_MESSAGE_MAP(QuittingView, TestView)
ON_UPDATE_COMMAND_UI(ID_TEST_GUARDED, OnUpdateGuarded)
END_MESSAGE_MAP()

// Ends a message loop that is still running after some seconds, with code 99.
struct Watchdog {
    DWORD dwThreadId;
    HANDLE hDone;
};

DWORD CALLBACK WatchdogThread(LPVOID pParam) {
    const auto* pWatchdog = static_cast<Watchdog*>(pParam);
    if (WaitForSingleObject(pWatchdog->hDone, 10000) == WAIT_TIMEOUT)
        PostThreadMessageW(pWatchdog->dwThreadId, WM_QUIT, 99, 0);
    return 0;
}

TEST(MessageLoop, IdleTimeComesOnceTheQueueIsEmptyAndTheQuitCodeIsTheExitCode) {
    TestApp app;
    app.AddDocTemplate(new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(TestDoc),
                                              RUNTIME_CLASS(TestFrame),
                                              RUNTIME_CLASS(QuittingView)));
    app.OnFileNew();
    ASSERT_NE(app.m_pMainWnd, nullptr);

    Watchdog watchdog = {GetCurrentThreadId(), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HANDLE hThread = CreateThread(nullptr, 0, WatchdogThread, &watchdog, 0, nullptr);
    EXPECT_EQ(app.Run(), 7);
    SetEvent(watchdog.hDone);
    WaitForSingleObject(hThread, INFINITE);
    CloseHandle(hThread);
    CloseHandle(watchdog.hDone);

    app.m_pMainWnd->DestroyWindow();
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace

// The frame's own behaviour: the bars and the view laid out around each other, the status
// bar's prompts and idle text, tool tips, and how the frame is brought back into view.
#include "FrameTestClasses.h"
#include "FrameTestResources.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

using Frame = FrameTest;

RECT ClientRectIn(HWND hWnd, HWND hParent) {
    RECT rc;
    GetWindowRect(hWnd, &rc);
    MapWindowPoints(HWND_DESKTOP, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

TEST_F(Frame, ToolBarOnTopStatusBarAtTheBottomViewInBetween) {
    TestFrame* pFrame = StartNewDocument(SW_SHOWNORMAL);
    ASSERT_NE(pFrame, nullptr);
    for (int cx : {400, 640}) {
        SetWindowPos(*pFrame, nullptr, 0, 0, cx, cx * 3 / 4, SWP_NOZORDER | SWP_NOMOVE);
        RECT rcClient;
        pFrame->GetClientRect(&rcClient);
        const RECT rcTool = ClientRectIn(pFrame->m_wndToolBar, *pFrame);
        const RECT rcStatus = ClientRectIn(pFrame->m_wndStatusBar, *pFrame);
        const RECT rcView = ClientRectIn(*pFrame->GetActiveView(), *pFrame);

        EXPECT_EQ(rcTool.top, 0);
        EXPECT_GT(rcTool.bottom, rcTool.top);
        EXPECT_EQ(rcTool.right, rcClient.right);
        EXPECT_EQ(rcView.top, rcTool.bottom);
        EXPECT_EQ(rcView.bottom, rcStatus.top);
        EXPECT_EQ(rcView.right, rcClient.right);
        EXPECT_EQ(rcStatus.bottom, rcClient.bottom);
        EXPECT_GT(rcStatus.bottom, rcStatus.top);
    }
}

TEST_F(Frame, ToolBarHasItsGripperAndBottomLineOutsideTheButtons) {
    TestFrame* pFrame = StartNewDocument(SW_SHOWNORMAL);
    ASSERT_NE(pFrame, nullptr);
    HWND hToolBar = pFrame->m_wndToolBar;
    RECT rcWindow, rcClient;
    GetWindowRect(hToolBar, &rcWindow);
    GetClientRect(hToolBar, &rcClient);
    MapWindowPoints(hToolBar, HWND_DESKTOP, reinterpret_cast<POINT*>(&rcClient), 2);
    EXPECT_GT(rcClient.left - rcWindow.left, 0) << "room for the gripper";
    EXPECT_EQ(rcWindow.bottom - rcClient.bottom, GetSystemMetrics(SM_CYEDGE)) << "bottom line";
    EXPECT_EQ(rcClient.top, rcWindow.top);

    // Three buttons and the separator, which takes no image.
    EXPECT_EQ(SendMessageW(hToolBar, TB_BUTTONCOUNT, 0, 0), 4);
    TBBUTTON button = {};
    SendMessageW(hToolBar, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.idCommand, ID_TEST_APP);
    EXPECT_EQ(button.iBitmap, 2);
}

TEST_F(Frame, StatusBarPromptsForTheHighlightedItemAndShowsTheIdleTextOtherwise) {
    TestFrame* pFrame = StartNewDocument();
    ASSERT_NE(pFrame, nullptr);
    CStatusBar& statusBar = pFrame->m_wndStatusBar;
    EXPECT_EQ(statusBar.GetPaneText(0), L"待機中");

    HMENU hPopup = GetSubMenu(GetMenu(*pFrame), 0);
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_VIEW, MF_STRING),
                        reinterpret_cast<LPARAM>(hPopup));
    EXPECT_EQ(statusBar.GetPaneText(0), L"ビューのコマンド") << "the prompt without the tip";
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_UNHANDLED, MF_STRING),
                        reinterpret_cast<LPARAM>(hPopup));
    EXPECT_EQ(statusBar.GetPaneText(0), L"") << "a command without a prompt";
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE),
                        reinterpret_cast<LPARAM>(GetMenu(*pFrame)));
    EXPECT_EQ(statusBar.GetPaneText(0), L"") << "a pop-up's position is no command";
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(statusBar.GetPaneText(0), L"待機中") << "the menu closed";

    // A tool-bar button under the mouse, then none.
    HWND hToolBar = pFrame->m_wndToolBar;
    SendMessageW(hToolBar, TB_SETHOTITEM, 0, 0);
    EXPECT_EQ(statusBar.GetPaneText(0), L"Guarded prompt");
    SendMessageW(hToolBar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(statusBar.GetPaneText(0), L"待機中");
}

TEST_F(Frame, ToolTipIsTheSecondLineOfTheCommandsString) {
    TestFrame* pFrame = StartNewDocument();
    ASSERT_NE(pFrame, nullptr);
    HWND hTip = reinterpret_cast<HWND>(SendMessageW(pFrame->m_wndToolBar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(hTip, nullptr) << "the bar was made with CBRS_TOOLTIPS";
    NMTTDISPINFOW info = {};
    info.hdr = {hTip, ID_TEST_APP, static_cast<UINT>(TTN_GETDISPINFOW)};
    pFrame->SendMessage(WM_NOTIFY, ID_TEST_APP, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, L"App tip");
}

TEST_F(Frame, ActivateFrameShowsAHiddenFrameAndRestoresAMinimisedOne) {
    TestFrame* pFrame = StartNewDocument(SW_HIDE);
    ASSERT_NE(pFrame, nullptr);
    ASSERT_FALSE(pFrame->IsWindowVisible());
    pFrame->ActivateFrame();
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_FALSE(IsIconic(*pFrame));
    EXPECT_FALSE(IsZoomed(*pFrame));

    pFrame->ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(*pFrame));
    pFrame->ActivateFrame();
    EXPECT_FALSE(IsIconic(*pFrame));
    EXPECT_TRUE(pFrame->IsWindowVisible());
}

} // namespace

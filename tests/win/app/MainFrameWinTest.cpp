// The main frame as the program makes it at start: its bars, the notification-area icon and
// what clicks on that icon do, and minimising to the notification area.
#include "MenuScript.h"
#include "ShellFixture.h"

#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/NotificationArea.h"

#include <commctrl.h>

#include <string>

namespace {

using MainFrame = ShellFixture;

std::wstring WindowText(HWND hWnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hWnd, text, 256);
    return text;
}

// The notification area calls back with the mouse message in lParam.
void TrayClick(CMainFrame* pFrame, UINT mouseMessage) {
    pFrame->SendMessage(WM_TRAYNOTIFY, kTrayIconId, mouseMessage);
}

TEST_F(MainFrame, StartsHiddenWithItsBarsAndOneNotificationIcon) {
    const size_t nIconsBefore = TrayIconWindows().size();
    CMainFrame* pFrame = Start();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_EQ(WindowText(*pFrame), L"Wendrake") << "no document name in the caption";

    HWND hToolBar = GetDlgItem(*pFrame, AFX_IDW_TOOLBAR);
    ASSERT_NE(hToolBar, nullptr);
    const int expectedButtons[] = {ID_SHORTCUT_ADD, ID_SHORTCUT_EDIT, ID_SHORTCUT_DELETE};
    ASSERT_EQ(SendMessageW(hToolBar, TB_BUTTONCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        TBBUTTON button = {};
        SendMessageW(hToolBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, expectedButtons[i]);
        EXPECT_EQ(button.iBitmap, i);
    }
    HWND hStatusBar = GetDlgItem(*pFrame, AFX_IDW_STATUS_BAR);
    ASSERT_NE(hStatusBar, nullptr);
    EXPECT_EQ(SendMessageW(hStatusBar, SB_GETPARTS, 0, 0), 1) << "one pane, no key indicators";
    EXPECT_EQ(WindowText(hStatusBar), L"ﾚﾃﾞｨ");
    EXPECT_NE(View(), nullptr);

    EXPECT_NE(pFrame->m_hIconEnabled, nullptr);
    EXPECT_NE(pFrame->m_hIconDisabled, nullptr);
    EXPECT_NE(pFrame->m_hIconEnabled, pFrame->m_hIconDisabled);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(pFrame->m_menuTray, 0)), 7);

    EXPECT_EQ(TrayIconWindows().size(), nIconsBefore + 1);
    EXPECT_TRUE(TrayIconPresent(*pFrame, kTrayIconId));
    pFrame->AddTrayIcon();
    EXPECT_EQ(TrayIconWindows().size(), nIconsBefore + 1) << "the icon is there already";

    HWND hFrame = *pFrame;
    pFrame->DestroyWindow();
    EXPECT_EQ(TrayIconWindows().size(), nIconsBefore);
    EXPECT_FALSE(TrayIconPresent(hFrame, kTrayIconId));
}

TEST_F(MainFrame, MinimisingHidesTheWindowAndKeepsTheOneIcon) {
    CMainFrame* pFrame = Start();
    ASSERT_NE(pFrame, nullptr);
    const size_t nIcons = TrayIconWindows().size();
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(IsIconic(*pFrame));
    EXPECT_FALSE(pFrame->IsWindowVisible()) << "no taskbar button either";
    EXPECT_EQ(TrayIconWindows().size(), nIcons);
    EXPECT_TRUE(TrayIconPresent(*pFrame, kTrayIconId));

    TrayClick(pFrame, WM_LBUTTONDOWN);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_FALSE(IsIconic(*pFrame));
}

TEST_F(MainFrame, LeftButtonOnTheIconShowsTheWindowInItsNormalSizeAndActivatesIt) {
    CMainFrame* pFrame = Start();
    ASSERT_NE(pFrame, nullptr);
    // Only the left button's press counts; a double-click acts as one click.
    for (UINT message : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_MBUTTONDOWN, WM_RBUTTONUP,
                         WM_RBUTTONDBLCLK}) {
        TrayClick(pFrame, message);
        EXPECT_FALSE(pFrame->IsWindowVisible()) << "mouse message " << message;
    }

    TrayClick(pFrame, WM_LBUTTONDOWN);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_EQ(GetForegroundWindow(), pFrame->m_hWnd);

    pFrame->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(*pFrame));
    TrayClick(pFrame, WM_LBUTTONDOWN);
    EXPECT_FALSE(IsZoomed(*pFrame));
    EXPECT_TRUE(pFrame->IsWindowVisible());
}

TEST_F(MainFrame, RightButtonOnTheIconOpensTheTrayMenuAboveTheCursor) {
    CMainFrame* pFrame = Start();
    ASSERT_NE(pFrame, nullptr);
    const POINT ptCursor = {400, 500};
    SetCursorPos(ptCursor.x, ptCursor.y);

    // First the user thinks better of it.
    MenuScript script;
    RECT rcMenu = {};
    std::vector<std::pair<UINT, std::wstring>> items;
    script.Arm([&](HWND hMenuWnd, HMENU hMenu) {
        GetWindowRect(hMenuWnd, &rcMenu);
        for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(hMenu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            items.emplace_back(GetMenuItemID(hMenu, i), text);
        }
        PostMessageW(hMenuWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    TrayClick(pFrame, WM_RBUTTONDOWN);
    ASSERT_TRUE(script.Ran()) << "no menu opened";
    EXPECT_EQ(rcMenu.left, ptCursor.x);
    EXPECT_EQ(rcMenu.bottom, ptCursor.y);
    const std::vector<std::pair<UINT, std::wstring>> expected = {
        {ID_HOTKEYS_ENABLE, L"有効"},
        {ID_HOTKEYS_DISABLE, L"無効"},
        {0, L""},
        {ID_TRAY_SHOWWINDOW, L"ウィンドウ表示"},
        {ID_HELP, L"ヘルプ"},
        {0, L""},
        {ID_TRAY_EXIT, L"Wendrakeの終了"}};
    EXPECT_EQ(items, expected);
    PumpFor(100);
    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_TRUE(Boxes().empty());

    // Then picks "show window".
    script.Arm([](HWND hMenuWnd, HMENU hMenu) { ClickMenuItem(hMenuWnd, hMenu, 3); });
    TrayClick(pFrame, WM_RBUTTONDOWN);
    ASSERT_TRUE(script.Ran());
    EXPECT_TRUE(PumpUntil([&] { return pFrame->IsWindowVisible() != FALSE; }));
    EXPECT_FALSE(IsIconic(*pFrame));
}

} // namespace

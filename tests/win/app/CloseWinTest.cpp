// Ending the program: every way of closing the frame asks first, and only a yes ends it, with
// the icon removed and the shortcuts saved; the end of the session saves without asking.
#include "MenuScript.h"
#include "ShellFixture.h"

#include "engine/ProfileNames.h"
#include "framework/CListCtrl.h"
#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/NotificationArea.h"
#include "support/TestWindow.h"

namespace {

const wchar_t kConfirmation[] =
    L"終了すると、ショートカットキーが有効でなくなりますが、かまいませんか？";

// Whether some window holds the combination as a system hot key.
bool CombinationTaken(UINT nModifiers, UINT nVirtKey) {
    TestWindow probe;
    if (!RegisterHotKey(probe.Handle(), 1, nModifiers, nVirtKey))
        return true;
    UnregisterHotKey(probe.Handle(), 1);
    return false;
}

class Close : public ShellFixture {
protected:
    // Starts with one stored shortcut, Alt + Q, whose key value carries bits that the program
    // ignores and a save leaves out.
    CMainFrame* StartWithAStoredShortcut() {
        m_stored.PutCount(1);
        m_stored.Put(0, L"C:\\保存\\a.exe", L"-x", OP_OPEN_FILE, 0xABCD0000 | 'Q' << 8 | MOD_ALT);
        return Start();
    }
    // Picks the tray menu's quit item, as the user does with the window hidden.
    void QuitFromTheTrayMenu(CMainFrame* pFrame) {
        MenuScript script;
        script.Arm([](HWND hMenuWnd, HMENU hMenu) { ClickMenuItem(hMenuWnd, hMenu, 6); });
        pFrame->SendMessage(WM_TRAYNOTIFY, kTrayIconId, WM_RBUTTONDOWN);
        ASSERT_TRUE(script.Ran());
        // The menu's command, and then the close it asks for, arrive as posted messages.
        PumpUntil([&] { return !Boxes().empty(); });
    }
};

TEST_F(Close, AnsweringNoToTheQuitItemLeavesEverythingAsItWas) {
    CMainFrame* pFrame = StartWithAStoredShortcut();
    ASSERT_NE(pFrame, nullptr);
    AnswerBoxesWith(IDNO);
    QuitFromTheTrayMenu(pFrame);
    ASSERT_EQ(Boxes(), std::vector<std::wstring>{kConfirmation});
    EXPECT_EQ(BoxTypes().front(), static_cast<UINT>(MB_YESNO));
    PumpFor(100);

    EXPECT_TRUE(IsWindow(*pFrame));
    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_TRUE(TrayIconPresent(*pFrame, kTrayIconId));
    EXPECT_FALSE(TakeQuitRequest());
    EXPECT_EQ(View()->GetListCtrl().GetItemCount(), 1);
    EXPECT_TRUE(CombinationTaken(MOD_ALT, 'Q'));
    EXPECT_EQ(m_stored.Value(0, kKeyWord), L"dword:" + std::to_wstring(0xABCD0000 | 'Q' << 8 | 1))
        << "nothing saved";
}

TEST_F(Close, AnsweringYesEndsTheProgramWithoutIconAndWithTheShortcutsSaved) {
    CMainFrame* pFrame = StartWithAStoredShortcut();
    ASSERT_NE(pFrame, nullptr);
    ASSERT_TRUE(View()->AddShortcut(OP_EXPLORE, L"D:\\", L"", MOD_CONTROL | MOD_SHIFT, VK_F5));
    const HWND hFrame = *pFrame;
    AnswerBoxesWith(IDYES);
    QuitFromTheTrayMenu(pFrame);
    ASSERT_EQ(Boxes(), std::vector<std::wstring>{kConfirmation});

    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(m_app.m_pMainWnd, nullptr) << "so the application ends";
    EXPECT_FALSE(TrayIconPresent(hFrame, kTrayIconId));
    EXPECT_FALSE(CombinationTaken(MOD_ALT, 'Q'));
    EXPECT_FALSE(CombinationTaken(MOD_CONTROL | MOD_SHIFT, VK_F5));
    EXPECT_EQ(m_stored.Value(kShortcutCount), L"dword:2");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:C:\\保存\\a.exe");
    EXPECT_EQ(m_stored.Value(0, kParameterWord), L"sz:-x");
    EXPECT_EQ(m_stored.Value(0, kKeyWord), L"dword:" + std::to_wstring('Q' << 8 | MOD_ALT));
    EXPECT_EQ(m_stored.Value(1, kFileNameWord), L"sz:D:\\");
    EXPECT_EQ(m_stored.Value(1, kOperationWord), L"dword:2");
}

TEST_F(Close, EveryWayOfClosingAsksFirst) {
    CMainFrame* pFrame = StartWithAStoredShortcut();
    ASSERT_NE(pFrame, nullptr);
    AnswerBoxesWith(IDNO);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE); // the close box, the system menu, Alt+F4
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT); // the main menu's exit item
    pFrame->SendMessage(WM_COMMAND, ID_TRAY_EXIT);
    PumpFor(100);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>(3, kConfirmation));
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_TRUE(CombinationTaken(MOD_ALT, 'Q'));
}

TEST_F(Close, SessionEndSavesWithoutAskingAndKeepsRunning) {
    CMainFrame* pFrame = StartWithAStoredShortcut();
    ASSERT_NE(pFrame, nullptr);
    ASSERT_TRUE(View()->AddShortcut(OP_NONE, L"", L"", MOD_WIN, 'Z'));
    m_stored.Remove(); // what follows is written by the program alone

    EXPECT_NE(pFrame->SendMessage(WM_QUERYENDSESSION), 0) << "the session may end";
    pFrame->SendMessage(WM_ENDSESSION, FALSE);
    EXPECT_FALSE(m_stored.Exists()) << "the session goes on after all";

    pFrame->SendMessage(WM_ENDSESSION, TRUE);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(m_stored.Value(kShortcutCount), L"dword:2");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:C:\\保存\\a.exe");
    EXPECT_EQ(m_stored.Value(0, kKeyWord), L"dword:" + std::to_wstring('Q' << 8 | MOD_ALT));
    EXPECT_EQ(m_stored.Value(1, kOperationWord), L"dword:3");
    EXPECT_EQ(m_stored.Value(1, kKeyWord), L"dword:" + std::to_wstring('Z' << 8 | MOD_WIN));
    EXPECT_EQ(View()->GetListCtrl().GetItemCount(), 2);
    EXPECT_TRUE(CombinationTaken(MOD_ALT, 'Q'));
}

} // namespace

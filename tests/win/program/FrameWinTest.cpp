// The main frame as the user meets it: an icon in the notification area that shows the window,
// a close that always asks first, the About box and the help.
#include "ProgramTest.h"

#include "app/MainFrame.h"
#include "support/NotificationArea.h"

#include <shellapi.h>

namespace {

using MainFrame = ProgramTest;

TEST_F(MainFrame, StartsHiddenWithItsIconAndAClickOnItShowsTheWindow) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(IsWindowVisible(Frame()));
    wchar_t szCaption[16] = {};
    GetWindowTextW(Frame(), szCaption, 16);
    EXPECT_STREQ(szCaption, L"Wendrake") << "no document name in the caption";
    EXPECT_NE(SoleTrayIconWindow(Frame(), kTrayIconId), nullptr);
    SendMessageW(Frame(), WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(Frame()));
    EXPECT_TRUE(PumpUntil([&] { return ItemText(Frame(), AFX_IDW_STATUS_BAR) == L"ﾚﾃﾞｨ"; }));
    SendMessageW(Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(Frame())) << "minimised means hidden, the icon the way back";
    EXPECT_NE(SoleTrayIconWindow(Frame(), kTrayIconId), nullptr) << "one icon still";
    Command(ID_TRAY_SHOWWINDOW);
    EXPECT_TRUE(IsWindowVisible(Frame()) && !IsIconic(Frame()));
}

TEST_F(MainFrame, ShowsTheAboutBoxAndSaysWhenTheHelpFileIsMissing) {
    ASSERT_TRUE(Start());
    wchar_t szAbout[64] = {};
    m_answers
        .Then([&](HWND hDlg) {
            GetWindowTextW(hDlg, szAbout, 64);
            PressButton(hDlg, IDOK);
        })
        .Answer(IDOK);
    Command(ID_APP_ABOUT);
    EXPECT_STREQ(szAbout, L"Wendrakeのﾊﾞｰｼﾞｮﾝ情報");
    // The tests have no help file beside them.
    Command(ID_HELP);
    EXPECT_EQ(m_answers.TakeTexts(),
              std::vector<std::wstring>{
                  BesideThisExe(L"Wendrake.chm") +
                  L"\nは実行できませんでした。\n指定されたファイルは見つかりませんでした。"});
}

TEST_F(MainFrame, EveryCloseAsksFirstAndNoLeavesItRunningButTheUninstallersQuitEndsIt) {
    Stored::PutCount(1);
    Stored::Put(0, L"C:\\a.exe", L"", OP_OPEN_FILE, 'Q' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    // A close that comes while the question is open is not asked again.
    m_answers.Then([&](HWND hBox) {
        SendMessageW(Frame(), WM_CLOSE, 0, 0);
        PressButton(hBox, IDNO);
    });
    m_answers.Answer(IDNO).Answer(IDNO);
    SendMessageW(Frame(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Command(ID_APP_EXIT);
    Command(ID_TRAY_EXIT);
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>(2, kQuitQuestion));
    EXPECT_TRUE(IsWindow(Frame()) && !IsWindowVisible(Frame())) << "no leaves it as it was";
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'Q'));

    // The uninstaller's quit ends it without asking, even when the question is open and gets a
    // no; a profile that cannot take the list is told, not asked about.
    Stored::Break();
    const HWND hFrame = Frame();
    m_answers.Then([&](HWND hBox) {
        SendMessageW(hFrame, RegisterWindowMessageW(L"Wendrake.Quit"), 0, 0);
        PressButton(hBox, IDNO);
    });
    m_answers.Answer(IDOK); // a box with OK, which a question has not
    Command(ID_TRAY_EXIT);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hFrame); }));
    EXPECT_TRUE(PumpUntil([] { return TrayIconWindows().empty(); })) << "the icon is left behind";
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'Q')) << "no hot key outlives it";
    UnregisterHotKey(nullptr, 1);
}

} // namespace

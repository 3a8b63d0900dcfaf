// The real program from start to end, driven from outside as a user drives it: the
// notification icon clicked through the X server, its boxes answered, keys pressed and typed,
// and the profile in the registry read back.
#include "ProgramProcess.h"

#include "app/MainFrame.h"
#include "res/resource.h"
#include "support/NotificationArea.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const wchar_t kConfirmation[] =
    L"終了すると、ショートカットキーが有効でなくなりますが、かまいませんか？";

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        Stored::RemoveAll();
        ClearLaunches();
    }
    void TearDown() override {
        // The combination a case held as another program would, even when an assertion
        // stopped the case before it let go; the program's processes end with their objects.
        UnregisterHotKey(nullptr, 1);
        Stored::RemoveAll();
    }

    // The centre of the program's notification icon, the only one in the test's session.
    static POINT IconCentre() {
        RECT rc = {};
        for (HWND hIcon : TrayIconWindows())
            GetWindowRect(hIcon, &rc);
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // Posted after the messages sent before it: once the frame shows, they have been handled.
    static bool HandledSoFar(HWND hFrame) {
        PostMessageW(hFrame, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
        return PumpUntil([&] { return IsWindowVisible(hFrame) != FALSE; });
    }
    // Clicks into the dialog's control, as a user does, and waits until it has the focus.
    static bool ClickInto(HWND hDialog, int nId) {
        RECT rc;
        GetWindowRect(GetDlgItem(hDialog, nId), &rc);
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return SendClick({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}) && PumpUntil([&] {
                   GetGUIThreadInfo(GetWindowThreadProcessId(hDialog, nullptr), &info);
                   return GetDlgCtrlID(info.hwndFocus) == nId;
               });
    }
    // Answers the close confirmation that has been asked for with yes; the program ends.
    static void ConfirmQuit(const ProgramProcess& program) {
        HWND hBox = program.WaitFor(L"#32770");
        ASSERT_NE(hBox, nullptr);
        EXPECT_EQ(BoxText(hBox), kConfirmation);
        PressButton(hBox, IDYES);
        EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    }
    static void Quit(const ProgramProcess& program) {
        PostMessageW(program.MainFrame(), WM_CLOSE, 0, 0);
        ConfirmQuit(program);
    }
};

TEST_F(EndToEnd, StartsHiddenWithItsIconAndASecondCopyEndsAtOnce) {
    ProgramProcess first;
    ASSERT_TRUE(first.Start());
    EXPECT_FALSE(IsWindowVisible(first.MainFrame()) || first.WaitFor(L"#32770", 0));
    const HWND hFrame = first.MainFrame();
    ASSERT_NE(hFrame, nullptr) << "no notification icon";

    ProgramProcess second;
    ASSERT_TRUE(second.Start());
    HWND hBox = second.WaitFor(L"#32770");
    EXPECT_EQ(BoxText(hBox), L"Wendrake は既に起動されているので、終了します。");
    wchar_t szCaption[16] = {};
    GetWindowTextW(hBox, szCaption, 16);
    EXPECT_STREQ(szCaption, L"Wendrake") << "the application's name";
    EXPECT_EQ(second.MainFrame(), nullptr);
    PressButton(hBox, IDOK);
    EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(first.MainFrame(), hFrame);
    Quit(first);
}

TEST_F(EndToEnd, ADocumentThatCannotBeOpenedIsToldAndTheProfileIsLeftAlone) {
    Stored::PutCount(1);
    Stored::Put(0, L"C:\\a.exe", L"", OP_OPEN_FILE, 0xABCD0000 | 'A' << 8 | MOD_ALT);
    ProgramProcess missing;
    ASSERT_TRUE(missing.Start(L"\"C:\\無い\\メモ.txt\""));
    const HWND hBox = missing.WaitFor(L"#32770");
    EXPECT_EQ(BoxText(hBox).rfind(L"C:\\無い\\メモ.txt\n", 0), 0u) << "the path comes first";
    PressButton(hBox, IDOK);
    EXPECT_TRUE(missing.WaitForExit().has_value());
    EXPECT_TRUE(TrayIconWindows().empty());
    EXPECT_EQ(Stored::Value(0, kKeyWord), L"dword:" + std::to_wstring(0xABCD0000 | 'A' << 8 | 1));
}

TEST_F(EndToEnd, QuittingTwiceAsksOnceAndAQuitDuringTheStartWaitsForIt) {
    Stored::PutCount(2);
    Stored::Put(0, L"C:\\held", L"", OP_OPEN_FOLDER, 'H' << 8 | MOD_ALT);
    Stored::Put(1, L"C:\\free", L"", OP_OPEN_FOLDER, 'J' << 8 | MOD_ALT);
    // Another program holds the first combination: the start stops at its refusal.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT, 'H'));
    ProgramProcess program;
    ASSERT_TRUE(program.Start());
    const HWND hRefusal = program.WaitFor(L"#32770");
    const HWND hFrame = program.MainFrame();
    PostMessageW(hFrame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(HandledSoFar(hFrame));
    EXPECT_EQ(program.Visible(L"#32770"), std::vector<HWND>{hRefusal}) << "the close waits";
    PressButton(hRefusal, IDOK);

    // Then the question; a second quit while it is open asks nothing more.
    HWND hQuestion = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        hQuestion = program.WaitFor(L"#32770", 0);
        return hQuestion && hQuestion != hRefusal;
    }));
    ShowWindow(hFrame, SW_HIDE);
    PostMessageW(hFrame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(HandledSoFar(hFrame));
    EXPECT_EQ(program.Visible(L"#32770"), std::vector<HWND>{hQuestion});
    ConfirmQuit(program);
    UnregisterHotKey(nullptr, 1);
    EXPECT_EQ(Stored::Value(0, kFileNameWord), L"sz:C:\\free");
    EXPECT_EQ(Stored::Value(1, kFileNameWord), L"sz:C:\\held") << "kept for the next start";
}

// Added with nothing but real input, and not lost when the process is killed right after.
using FaultsEndToEnd = EndToEnd;
TEST_F(FaultsEndToEnd, AShortcutAddedThroughTheWindowSurvivesAKill) {
    const std::wstring recorderPath = RecorderPath();
    auto program = std::make_unique<ProgramProcess>();
    ASSERT_TRUE(program->Start());
    const HWND hFrame = program->MainFrame();
    SendClick(IconCentre());
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(hFrame) != FALSE; }));
    ASSERT_TRUE(SendKeyCombination(0, VK_INSERT));
    const HWND hEditor = program->WaitFor(L"#32770");
    ASSERT_TRUE(ClickInto(hEditor, IDC_HOTKEY));
    SendKeyCombination(MOD_CONTROL | MOD_ALT, 'W');
    ASSERT_TRUE(ClickInto(hEditor, IDC_FILENAME));
    SendText(recorderPath.c_str());
    SendKeyCombination(0, VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hEditor); }));
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'W'));
    EXPECT_EQ(TakeLaunch(), Launched());

    TerminateProcess(program->Handle(), 1);
    ASSERT_TRUE(program->WaitForExit().has_value());
    EXPECT_EQ(Stored::Value(kShortcutCount), L"dword:1");
    EXPECT_EQ(Stored::Entry(0), L"sz:" + recorderPath + L"|sz:|dword:0|dword:" +
                                    std::to_wstring('W' << 8 | MOD_CONTROL | MOD_ALT));
    program = std::make_unique<ProgramProcess>();
    ASSERT_TRUE(program->Start());
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'W'));
    EXPECT_EQ(TakeLaunch(), Launched());
    Quit(*program);
}

TEST_F(EndToEnd, TheIconsMenuQuitsAfterAskingAndTheEndWritesTheList) {
    Stored::PutCount(1);
    Stored::Put(0, L"C:\\a.exe", L"", OP_OPEN_FILE, 'W' << 8 | MOD_CONTROL | MOD_ALT);
    auto program = std::make_unique<ProgramProcess>();
    ASSERT_TRUE(program->Start());
    ASSERT_NE(program->MainFrame(), nullptr);
    // The menu opens as the right button goes down, and may cover the icon; the button comes
    // up before the pointer moves, so no item is picked yet.
    Stored::RemoveAll();
    SendClick(IconCentre(), 1, true);
    HWND hMenu = program->WaitFor(L"#32768");
    ASSERT_NE(hMenu, nullptr);
    RECT rcMenu;
    GetWindowRect(hMenu, &rcMenu);
    SendClick({rcMenu.left + 30, rcMenu.bottom - 10}); // the menu's last item
    ConfirmQuit(*program);
    EXPECT_TRUE(TrayIconWindows().empty());
    EXPECT_EQ(Stored::Value(0, kFileNameWord), L"sz:C:\\a.exe") << "saved at the end";
}

} // namespace

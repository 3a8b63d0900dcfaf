// The real program from start to end, driven from outside as a user drives it: the
// notification icon clicked through the X server, its boxes answered, and the profile in the
// registry read back.
#include "ProgramProcess.h"

#include "app/MainFrame.h"
#include "support/NotificationArea.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kConfirmation[] =
    L"終了すると、ショートカットキーが有効でなくなりますが、かまいませんか？";

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override { Stored::RemoveAll(); }
    void TearDown() override { Stored::RemoveAll(); }

    // The centre of the program's notification icon, the only one in the test's session.
    static POINT IconCentre() {
        RECT rc = {};
        for (HWND hIcon : TrayIconWindows())
            GetWindowRect(hIcon, &rc);
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
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

TEST_F(EndToEnd, TheIconsMenuQuitsAfterAskingAndTheEndWritesTheList) {
    Stored::PutCount(1);
    Stored::Put(0, L"C:\\a.exe", L"", OP_OPEN_FILE, 'W' << 8 | MOD_CONTROL | MOD_ALT);
    ProgramProcess program;
    ASSERT_TRUE(program.Start());
    ASSERT_NE(program.MainFrame(), nullptr);
    // The menu opens as the right button goes down, and may cover the icon; the button comes
    // up before the pointer moves, so no item is picked yet.
    Stored::RemoveAll();
    SendClick(IconCentre(), 1, true);
    HWND hMenu = program.WaitFor(L"#32768");
    ASSERT_NE(hMenu, nullptr);
    RECT rcMenu;
    GetWindowRect(hMenu, &rcMenu);
    SendClick({rcMenu.left + 30, rcMenu.bottom - 10}); // the menu's last item
    ConfirmQuit(program);
    EXPECT_TRUE(TrayIconWindows().empty());
    EXPECT_EQ(Stored::Value(0, kFileNameWord), L"sz:C:\\a.exe") << "saved at the end";
}

} // namespace

// The real program from start to end, driven from outside as a user drives it: the
// notification icon clicked through the X server, message boxes answered, hot keys pressed,
// and the profile in the registry read back.
#include "ProgramProcess.h"
#include "XPointer.h"

#include "engine/ProfileNames.h"
#include "engine/ShortcutRecord.h"
#include "support/MessagePump.h"
#include "support/NotificationArea.h"
#include "support/RecorderOutput.h"
#include "support/StoredShortcuts.h"
#include "support/SyntheticInput.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const wchar_t kProfileKey[] = L"Software\\Orlam Software";
const wchar_t kConfirmation[] =
    L"終了すると、ショートカットキーが有効でなくなりますが、かまいませんか？";

class EndToEnd : public ::testing::Test {
protected:
    EndToEnd() : m_stored(CString(kProfileKey) + L"\\Wendrake\\" + kShortcutSection) {}
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
        m_iconsBefore = TrayIconWindows();
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey); }

    // The notification icon window added since the test began, or nullptr.
    HWND AddedIconWindow() const {
        for (HWND hIcon : TrayIconWindows())
            if (std::find(m_iconsBefore.begin(), m_iconsBefore.end(), hIcon) == m_iconsBefore.end())
                return hIcon;
        return nullptr;
    }
    bool AnyWindowShown(const ProgramProcess& program) const {
        const std::vector<HWND> windows = program.Windows();
        return std::any_of(windows.begin(), windows.end(), IsWindowVisible);
    }
    POINT IconCentre() const {
        RECT rc;
        GetWindowRect(AddedIconWindow(), &rc);
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // Answers the close confirmation with yes, and waits for the program's end.
    void ConfirmQuit(const ProgramProcess& program) const {
        HWND hBox = program.WaitForBox();
        ASSERT_NE(hBox, nullptr);
        EXPECT_EQ(BoxText(hBox), kConfirmation);
        PressBoxButton(hBox, IDYES);
        EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    }

    StoredShortcuts m_stored;
    std::vector<HWND> m_iconsBefore;
};

TEST_F(EndToEnd, StartsHiddenWithItsIconAndASecondCopyEndsAtOnce) {
    ProgramProcess first;
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.WaitUntilIdle());
    EXPECT_FALSE(AnyWindowShown(first));
    const HWND hFrame = first.MainFrame();
    ASSERT_NE(hFrame, nullptr) << "no notification icon";
    EXPECT_NE(AddedIconWindow(), nullptr);

    ProgramProcess second;
    ASSERT_TRUE(second.Start());
    HWND hBox = second.WaitForBox();
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(BoxText(hBox), L"Wendrake は既に起動されているので、終了します。");
    EXPECT_EQ(second.MainFrame(), nullptr);
    PressBoxButton(hBox, IDOK);
    EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>(0));

    EXPECT_TRUE(first.Running());
    EXPECT_EQ(first.MainFrame(), hFrame);
    EXPECT_FALSE(AnyWindowShown(first));
    PostMessageW(hFrame, WM_CLOSE, 0, 0);
    ConfirmQuit(first);
}

TEST_F(EndToEnd, StoredShortcutLaunchesAndQuittingFromTheTrayMenuSavesIt) {
    RecorderOutput recorder;
    const std::wstring recorderPath = static_cast<const wchar_t*>(RecorderPath());
    m_stored.PutCount(2);
    m_stored.Put(0, recorderPath.c_str(), L"-a \"b c\" ｄ", OP_OPEN_FILE,
                 'R' << 8 | MOD_CONTROL | MOD_ALT);
    m_stored.Put(1, L"C:\\予約", L"", OP_NONE, 0xABCD0000 | VK_F9 << 8 | MOD_SHIFT);

    ProgramProcess program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitUntilIdle());
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'R'));
    EXPECT_EQ(recorder.Take(), L"\"" + recorderPath + L"\" -a \"b c\" ｄ");

    // What follows in the profile is the program's own writing.
    m_stored.Remove();
    // The menu opens as the right button goes down, and may cover the icon; the button comes
    // up before the pointer moves, so no item is picked yet.
    XClick(IconCentre(), 3);
    HWND hMenu = program.WaitForMenu();
    ASSERT_NE(hMenu, nullptr);
    RECT rcMenu;
    GetWindowRect(hMenu, &rcMenu);
    XClick({rcMenu.left + 30, rcMenu.bottom - 10}, 1); // the quit item, the menu's last
    ConfirmQuit(program);
    EXPECT_EQ(AddedIconWindow(), nullptr);

    EXPECT_EQ(m_stored.Value(kShortcutCount), L"dword:2");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:" + recorderPath);
    EXPECT_EQ(m_stored.Value(0, kParameterWord), L"sz:-a \"b c\" ｄ");
    EXPECT_EQ(m_stored.Value(0, kOperationWord), L"dword:0");
    EXPECT_EQ(m_stored.Value(0, kKeyWord), L"dword:" + std::to_wstring('R' << 8 | 3));
    EXPECT_EQ(m_stored.Value(1, kFileNameWord), L"sz:C:\\予約");
    EXPECT_EQ(m_stored.Value(1, kParameterWord), L"sz:");
    EXPECT_EQ(m_stored.Value(1, kOperationWord), L"dword:3");
    EXPECT_EQ(m_stored.Value(1, kKeyWord), L"dword:" + std::to_wstring(VK_F9 << 8 | MOD_SHIFT));

    // The next copy starts normally, with the shortcuts back.
    ProgramProcess next;
    ASSERT_TRUE(next.Start());
    ASSERT_TRUE(next.WaitUntilIdle());
    EXPECT_EQ(next.WaitForBox(0), nullptr);
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'R'));
    EXPECT_EQ(recorder.Take(), L"\"" + recorderPath + L"\" -a \"b c\" ｄ");
    PostMessageW(next.MainFrame(), WM_CLOSE, 0, 0);
    ConfirmQuit(next);
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:" + recorderPath) << "in the same order";
    EXPECT_EQ(m_stored.Value(1, kFileNameWord), L"sz:C:\\予約");
}

TEST_F(EndToEnd, HotKeysSwitchedOffAndOnFromTheTrayMenu) {
    RecorderOutput recorder;
    const std::wstring recorderPath = static_cast<const wchar_t*>(RecorderPath());
    m_stored.PutCount(1);
    m_stored.Put(0, recorderPath.c_str(), L"", OP_OPEN_FILE, 'K' << 8 | MOD_CONTROL | MOD_ALT);
    ProgramProcess program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitUntilIdle());

    // The item is picked from the keyboard once the menu is open: down to it, then Enter.
    auto choose = [&](int nDowns) {
        XClick(IconCentre(), 3);
        ASSERT_NE(program.WaitForMenu(), nullptr);
        for (int i = 0; i < nDowns; ++i)
            ASSERT_TRUE(SendKeyCombination(0, VK_DOWN));
        ASSERT_TRUE(SendKeyCombination(0, VK_RETURN));
        ASSERT_TRUE(PumpUntil([&] { return !program.WaitForMenu(0); }));
    };
    choose(2); // "無効"
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'K'));
    EXPECT_EQ(recorder.Take(1000), L"") << "switched off: nothing is launched";

    choose(1); // "有効"
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'K'));
    EXPECT_EQ(recorder.Take(), L"\"" + recorderPath + L"\"");

    PostMessageW(program.MainFrame(), WM_CLOSE, 0, 0);
    ConfirmQuit(program);
}

TEST_F(EndToEnd, DocumentOnTheCommandLineIsOpenedTheStandardWay) {
    m_stored.PutCount(1);
    m_stored.Put(0, L"C:\\a.exe", L"", OP_OPEN_FILE, 0xABCD0000 | 'A' << 8 | MOD_ALT);

    // A file that cannot be opened: the framework's message, and the program ends without
    // touching the profile.
    ProgramProcess missing;
    ASSERT_TRUE(missing.Start(L"\"C:\\無い\\メモ.txt\""));
    HWND hBox = missing.WaitForBox();
    ASSERT_NE(hBox, nullptr);
    const std::wstring text = BoxText(hBox);
    EXPECT_EQ(text.rfind(L"C:\\無い\\メモ.txt\n", 0), 0u) << "the path comes first";
    PressBoxButton(hBox, IDOK);
    EXPECT_TRUE(missing.WaitForExit().has_value());
    EXPECT_EQ(AddedIconWindow(), nullptr);
    EXPECT_EQ(m_stored.Value(0, kKeyWord), L"dword:" + std::to_wstring(0xABCD0000 | 'A' << 8 | 1));

    // An existing file: the program runs as usual, its icon shows the window.
    wchar_t szFile[MAX_PATH];
    GetTempPathW(MAX_PATH, szFile);
    wcscat(szFile, L"文書.txt");
    CloseHandle(CreateFileW(szFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ProgramProcess opened;
    ASSERT_TRUE(opened.Start(L"\"" + std::wstring(szFile) + L"\""));
    ASSERT_TRUE(opened.WaitUntilIdle());
    EXPECT_EQ(opened.WaitForBox(0), nullptr) << "no message: the lock was released";
    const HWND hFrame = opened.MainFrame();
    ASSERT_NE(hFrame, nullptr);
    EXPECT_FALSE(AnyWindowShown(opened));
    XClick(IconCentre(), 1);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(hFrame) != FALSE; }));
    wchar_t szTitle[64] = {};
    GetWindowTextW(hFrame, szTitle, 64);
    EXPECT_STREQ(szTitle, L"Wendrake") << "no document name";
    PostMessageW(hFrame, WM_CLOSE, 0, 0);
    ConfirmQuit(opened);
    DeleteFileW(szFile);
}

} // namespace

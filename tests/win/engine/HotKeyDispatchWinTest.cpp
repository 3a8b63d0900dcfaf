// Hot-key presses reaching the view and what the shell is then asked to start: a recorder
// program, started through the real shell, writes down the arguments it was given.
#include "ViewFixture.h"

#include "support/MessagePump.h"
#include "support/RecorderOutput.h"
#include "support/SyntheticInput.h"
#include "support/TestWindow.h"

#include <string>

namespace {

class HotKeyDispatch : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        CreateView();
    }

    // The command line the recorder was started with, or "<not started>".
    std::wstring RecordedCommandLine(DWORD timeoutMs = 5000) {
        const std::wstring commandLine = m_recorder.Take(timeoutMs);
        return commandLine.empty() ? L"<not started>" : commandLine;
    }
    static bool EndsWith(const std::wstring& text, const std::wstring& tail) {
        return text.size() >= tail.size() &&
               text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }
    void Press(int nId) { m_pView->SendMessage(WM_HOTKEY, static_cast<WPARAM>(nId), 0); }

    RecorderOutput m_recorder;
    const CString m_strRecorder = RecorderPath();
};

TEST_F(HotKeyDispatch, RealKeyPressStartsTheFileWithItsArguments) {
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, m_strRecorder, L"-a \"b c\" ｄ",
                                     MOD_CONTROL | MOD_ALT, 'R'));
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'R'));
    const std::wstring commandLine = RecordedCommandLine();
    EXPECT_TRUE(EndsWith(commandLine, L" -a \"b c\" ｄ")) << "got: " << commandLine.size();
    EXPECT_NE(commandLine.find(L"Recorder.exe"), std::wstring::npos);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(HotKeyDispatch, OnlyOpenFilePassesArguments) {
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FOLDER, m_strRecorder, L"-x", MOD_ALT, 'O'));
    ASSERT_TRUE(m_pView->AddShortcut(7, m_strRecorder, L"-y", MOD_ALT, 'P'));
    Press(0);
    std::wstring commandLine = RecordedCommandLine();
    EXPECT_EQ(commandLine.find(L"-x"), std::wstring::npos);
    EXPECT_NE(commandLine.find(L"Recorder.exe"), std::wstring::npos);
    Press(1);
    commandLine = RecordedCommandLine();
    EXPECT_EQ(commandLine.find(L"-y"), std::wstring::npos);
    EXPECT_NE(commandLine.find(L"Recorder.exe"), std::wstring::npos);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(HotKeyDispatch, DisabledSwallowsPressesButKeepsTheCombination) {
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, m_strRecorder, L"", MOD_CONTROL | MOD_ALT, 'D'));
    m_pView->m_bEnabled = false;
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'D'));
    EXPECT_EQ(RecordedCommandLine(500), L"<not started>");
    TestWindow other;
    EXPECT_FALSE(RegisterHotKey(other.Handle(), 1, MOD_CONTROL | MOD_ALT, 'D'));

    m_pView->m_bEnabled = true;
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'D'));
    EXPECT_NE(RecordedCommandLine(), L"<not started>");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(HotKeyDispatch, UnknownIdsAndReservedCombinationsDoNothing) {
    ASSERT_TRUE(m_pView->AddShortcut(OP_NONE, L"", L"", MOD_ALT, VK_F1 + 11));
    ASSERT_TRUE(m_pView->AddShortcut(OP_NONE, m_strRecorder, L"", MOD_ALT, VK_F1 + 10));
    Press(0);
    Press(1);
    Press(2);
    Press(-1);
    m_pView->SendMessage(WM_HOTKEY, static_cast<WPARAM>(0x100000000ull | 1), 0);
    EXPECT_EQ(RecordedCommandLine(300), L"<not started>");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(HotKeyDispatch, ShellFailureNamesTheFileAndTheReason) {
    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    const CString missing = CString(szTemp) + L"wendrake-missing-ファイル.exe";
    const CString unknown = CString(szTemp) + L"wendrake-test.wendrakeunknown";
    HANDLE hFile = CreateFileW(unknown, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    CloseHandle(hFile);

    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, missing, L"", MOD_ALT, 'M'));
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, unknown, L"", MOD_ALT, 'U'));
    Press(0);
    Press(1);
    DeleteFileW(unknown);
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_STREQ(m_boxes[0],
                 missing +
                     L"\nは実行できませんでした。\n指定されたファイルは見つかりませんでした。");
    EXPECT_STREQ(m_boxes[1],
                 unknown + L"\nは実行できませんでした。\n"
                           L"ファイルの拡張子に関連付けられたアプリケーションは存在しません。");
    EXPECT_EQ(List().GetItemCount(), 2) << "a failure changes nothing";
}

} // namespace

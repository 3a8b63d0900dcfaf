// A key that is taken: the refusal says which of the list's shortcuts holds it, so that the user
// can find its row, or that another program does.
#include "ProgramTest.h"

namespace {

using Refusal = ProgramTest;

const WORD kCtrlAltA = MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT),
           kCtrlAltB = MAKEWORD('B', HOTKEYF_CONTROL | HOTKEYF_ALT);

TEST_F(Refusal, ATakenKeyNamesTheShortcutThatHoldsItWindowsKeyIncludedOrAnotherProgram) {
    Stored::PutCount(2);
    Stored::Put(0, L"C:\\win.exe", L"", OP_OPEN_FILE, 'A' << 8 | MOD_WIN | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, L"", L"", OP_NONE, 'A' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    // Ctrl+Alt+A, the same with the Windows key, then Win+Ctrl+Alt+B, which this thread holds.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN | MOD_CONTROL | MOD_ALT, 'B'));
    m_answers.Then(Enter(kCtrlAltA, L"C:\\new.exe")).Answer(IDOK);
    m_answers.Then([](HWND hDlg) {
        SendDlgItemMessageW(hDlg, IDC_WINKEY, BM_CLICK, 0, 0);
        Enter(kCtrlAltA, L"C:\\new.exe")(hDlg);
    });
    m_answers.Answer(IDOK).Then(Enter(kCtrlAltB, L"C:\\new.exe"));
    m_answers.Answer(IDOK).Then(Cancel());
    Command(ID_SHORTCUT_ADD);
    UnregisterHotKey(nullptr, 1);
    const std::wstring taken = SystemText(ERROR_HOTKEY_ALREADY_REGISTERED) + L"\n";
    EXPECT_EQ(
        m_answers.TakeTexts(),
        (std::vector<std::wstring>{
            taken +
                L"このキーは一覧のショートカット「Ctrl + Alt + A」(何もしない) が使っています。",
            taken + L"このキーは一覧のショートカット「Win + Ctrl + Alt + A」(C:\\win.exe) "
                    L"が使っています。",
            taken + L"このキーは他のプログラムが使っています。"}));
}

} // namespace

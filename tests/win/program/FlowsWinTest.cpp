// Adding, editing and dropping shortcuts from the list window, each through the editor: what
// the user ends up with in the list, in the registration and in the profile.
#include "ProgramTest.h"

namespace {

using Flows = ProgramTest;

const WORD kCtrlAltE = MAKEWORD('E', HOTKEYF_CONTROL | HOTKEYF_ALT);

TEST_F(Flows, AddTakesOneMoreRowUpTo301AndWritesItAtOnce) {
    const std::wstring recorderPath = RecorderPath();
    StoreRows(300);
    ASSERT_TRUE(Start());
    m_answers.Then(Enter(kCtrlAltE, recorderPath));
    Command(ID_SHORTCUT_ADD);
    EXPECT_EQ(Cell(-1, 0), L"Ctrl + Alt + E");
    EXPECT_EQ(Stored::Value(kShortcutCount), L"dword:301") << "written at once";
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'E'));
    EXPECT_EQ(TakeLaunch(), Launched());

    // With 301 rows the command says so and opens nothing, from the menu as from Ctrl+N.
    m_answers.Answer(IDOK).Answer(IDOK);
    Command(ID_SHORTCUT_ADD);
    Command(ID_TRAY_SHOWWINDOW);
    SetForegroundWindow(Frame());
    SetFocus(View());
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL, 'N'));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>(2, L"これ以上登録できません。"));
}

TEST_F(Flows, AnEditReplacesTheRowAtTheEndAndARefusedOneNeverLosesTheOriginal) {
    const std::wstring recorderPath = RecorderPath();
    Stored::PutCount(2);
    Stored::Put(0, recorderPath.c_str(), L"", OP_OPEN_FILE, 'E' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, L"C:\\other", L"", OP_NONE, 'O' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());

    // A double click on any column of a row edits that row; below the rows it does nothing.
    Command(ID_TRAY_SHOWWINDOW);
    SetForegroundWindow(Frame());
    RECT rcItem;
    ListView_GetSubItemRect(View(), 1, 2, LVIR_BOUNDS, &rcItem);
    POINT pt = {rcItem.left + 5, (rcItem.top + rcItem.bottom) / 2};
    ClientToScreen(View(), &pt);
    WORD wShownKey = 0;
    m_answers.Then([&](HWND hDlg) {
        wShownKey = HotKey(hDlg);
        PressButton(hDlg, IDCANCEL);
    });
    ASSERT_TRUE(SendClick(pt, 2));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(wShownKey, MAKEWORD('O', HOTKEYF_CONTROL | HOTKEYF_ALT)) << "the second row's key";
    ASSERT_TRUE(SendClick({pt.x + 20, pt.y + 10 * (rcItem.bottom - rcItem.top)}, 2));
    EXPECT_FALSE(PumpUntil([&] { return m_answers.Unexpected() > 0; }, 500));

    // Cancelled: nothing changes; while it is open, the shortcut keeps working.
    std::wstring pressedMeanwhile;
    m_answers.Then([&](HWND hDlg) {
        SendKeyCombination(MOD_CONTROL | MOD_ALT, 'E');
        pressedMeanwhile = TakeLaunch();
        PressButton(hDlg, IDCANCEL);
    });
    Select({0});
    Command(ID_SHORTCUT_EDIT);
    EXPECT_EQ(pressedMeanwhile, Launched());
    EXPECT_EQ(Column(1), recorderPath + L"|C:\\other");

    // The same key with another target: the row goes to the end, and to the profile at once.
    std::wstring shownPath;
    m_answers.Then(Enter(kCtrlAltE, L"C:\\changed", &shownPath));
    Command(ID_SHORTCUT_EDIT);
    EXPECT_EQ(shownPath, recorderPath);
    EXPECT_EQ(Column(1), L"C:\\other|C:\\changed");
    EXPECT_EQ(Stored::Value(1, kFileNameWord), L"sz:C:\\changed");

    // Refused (the other row's key), then corrected.
    const WORD kCtrlAltO = MAKEWORD('O', HOTKEYF_CONTROL | HOTKEYF_ALT);
    m_answers.Then(Enter(kCtrlAltO, recorderPath)).Answer(IDOK);
    m_answers.Then(Enter(MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_ALT), recorderPath));
    Select({1});
    Command(ID_SHORTCUT_EDIT);
    EXPECT_EQ(Column(0), L"Ctrl + Alt + O|Ctrl + Alt + F");

    // Refused, then cancelled: the original comes back and still launches.
    m_answers.Then(Enter(kCtrlAltO, L"C:\\lost?")).Answer(IDOK).Then(Cancel());
    Select({1});
    Command(ID_SHORTCUT_EDIT);
    EXPECT_TRUE(m_answers.AllAnswered());
    EXPECT_EQ(Column(0), L"Ctrl + Alt + O|Ctrl + Alt + F");
    EXPECT_EQ(Cell(-1, 1), recorderPath);
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'F'));
    EXPECT_EQ(TakeLaunch(), Launched());
    m_answers.TakeTexts();
}

TEST_F(Flows, DroppedFilesAreOfferedOneByOneUntilACancelWhateverTheRows) {
    StoreRows(301);
    ASSERT_TRUE(Start());
    const std::wstring longName = L"C:\\" + std::wstring(300, L'長') + L".exe";
    std::wstring shownLong, shownNext;
    m_answers.Then(Enter(kCtrlAltE, L"C:\\first.exe", &shownLong)).Then(Cancel());
    HGLOBAL hDrop = Drop({longName, L"C:\\second.exe", L"C:\\third.exe"});
    EXPECT_EQ(shownLong, longName) << "read at its full length";
    EXPECT_EQ(GlobalSize(hDrop), 0u) << "the drop handle is released";
    EXPECT_EQ(Cell(-1, 1), L"C:\\first.exe") << "no row limit for drops";
    EXPECT_EQ(Rows(), 302) << "the third is never offered";
    EXPECT_EQ(Stored::Value(kShortcutCount), L"dword:302") << "written at once";

    // A refused file is followed by the next one.
    m_answers.Then(Enter(kCtrlAltE, L"C:\\taken.exe")).Answer(IDOK).Then(Cancel(&shownNext));
    Drop({L"C:\\taken.exe", L"C:\\next.exe"});
    EXPECT_EQ(shownNext, L"C:\\next.exe");
    EXPECT_EQ(Rows(), 302);
    m_answers.TakeTexts();
}

} // namespace

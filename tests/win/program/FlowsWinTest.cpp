// Adding, editing and dropping shortcuts from the list window, each through the editor: what
// the user ends up with in the list, in the registration and in the profile.
#include "ProgramTest.h"

namespace {

const WORD kCtrlAltE = MAKEWORD('E', HOTKEYF_CONTROL | HOTKEYF_ALT);

class Flows : public ProgramTest {
protected:
    // The row's second column, double-clicked, or a point that far below the rows.
    bool DoubleClick(int nRow, int nRowsBelow = 0) {
        ShowAndFocus();
        RECT rc;
        ListView_GetSubItemRect(View(), nRow, 2, LVIR_BOUNDS, &rc);
        POINT pt = {rc.left + 5, (rc.top + rc.bottom) / 2 + nRowsBelow * (rc.bottom - rc.top)};
        ClientToScreen(View(), &pt);
        return SendClick(pt, 2);
    }
};

TEST_F(Flows, AddTakesOneMoreRowUpTo301WritesItAtOnceThenSaysTheListIsFull) {
    Stored::PutRows(300);
    ASSERT_TRUE(Start());
    m_answers.Then(Enter(kCtrlAltE, RecorderPath()));
    Command(ID_SHORTCUT_ADD);
    EXPECT_EQ(Joined(Cell(-1, 0), Stored::Value(kShortcutCount)), L"Ctrl + Alt + E|dword:301");
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'E'));
    EXPECT_EQ(TakeLaunch(), Launched());
    // From the menu as from Ctrl+N.
    m_answers.Answer(IDOK).Answer(IDOK);
    Command(ID_SHORTCUT_ADD);
    ShowAndFocus();
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL, 'N'));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>(2, L"これ以上登録できません。"));
}

TEST_F(Flows, ADoubleClickEditsTheRowUnderItWhichWorksWhileOpenAndMovesToTheEndWhenConfirmed) {
    // Ctrl+Alt+E opens the recorder, between two rows doing nothing.
    Stored::PutCount(3);
    Stored::Put(0, L"C:\\other", L"", OP_NONE, 'O' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, RecorderPath().c_str(), L"", OP_OPEN_FILE, 'E' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(2, L"C:\\third", L"", OP_NONE, 'T' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    std::wstring pressedMeanwhile, shownPath;
    m_answers.Then([&](HWND hDlg) {
        SendKeyCombination(MOD_CONTROL | MOD_ALT, 'E');
        pressedMeanwhile = TakeLaunch();
        Enter(kCtrlAltE, L"C:\\changed", &shownPath)(hDlg);
    });
    // Below the rows first: the editor that comes is the second row's.
    ASSERT_TRUE(DoubleClick(1, 10));
    ASSERT_TRUE(DoubleClick(1));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(Joined(shownPath, pressedMeanwhile), Joined(RecorderPath(), Launched()));
    EXPECT_EQ(Column(1), L"C:\\other|C:\\third|C:\\changed");
    EXPECT_EQ(Stored::Value(2, kFileNameWord), L"sz:C:\\changed") << "written at once";
}

TEST_F(Flows, DroppedFilesAreOfferedOneByOnePastARefusalUntilACancelWhateverTheRows) {
    Stored::PutRows(301);
    ASSERT_TRUE(Start());
    const std::wstring longName = L"C:\\" + std::wstring(300, L'長') + L".exe";
    std::wstring shownLong, shownAfterRefusal;
    m_answers.Then(Enter(kCtrlAltE, L"C:\\first.exe", &shownLong));
    m_answers.Then(Enter(kCtrlAltE, L"C:\\taken")).Answer(IDOK).Then(Cancel(&shownAfterRefusal));
    HGLOBAL hDrop = Drop({longName, L"C:\\second.exe", L"C:\\third.exe", L"C:\\fourth.exe"});
    EXPECT_EQ(Joined(shownLong, shownAfterRefusal), Joined(longName, L"C:\\third.exe"))
        << "read at its full length; the refused one's next";
    EXPECT_EQ(GlobalSize(hDrop), 0u) << "the drop handle is released";
    // No row limit for drops; the fourth is never offered; what was taken is stored at once.
    EXPECT_EQ(Joined(Cell(-1, 1), Rows(), Stored::Value(kShortcutCount)),
              L"C:\\first.exe|302|dword:302");
}

} // namespace

// The list window as the user works in it: its Edit menu, tool bar and keys follow the
// selection, and a click on a column's header sorts by it.
#include "ProgramTest.h"

#include <functional>

namespace {

class ListWindow : public ProgramTest {
protected:
    // Five rows, on Shift+F1 to Shift+F5 with arguments 5 to 1, shown and focused for the keyboard.
    void SetUp() override {
        ProgramTest::SetUp();
        Stored::PutCount(5);
        const wchar_t* const names[] = {L"C:\\b", L"C:\\B", L"C:\\a", L"C:\\ａ", L"C:\\"};
        for (int i = 0; i < 5; ++i)
            Stored::Put(i, names[i], std::to_wstring(5 - i).c_str(), OP_OPEN_FILE,
                        (VK_F1 + i) << 8 | MOD_SHIFT);
        ASSERT_TRUE(Start());
        ShowAndFocus();
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == View(); }));
    }
    bool ButtonEnabled(UINT nID) const {
        return SendMessageW(GetDlgItem(Frame(), AFX_IDW_TOOLBAR), TB_ISBUTTONENABLED, nID, 0) != 0;
    }
    // The Edit menu's Delete, Edit and Select All: MF_GRAYED or 0.
    std::wstring Offered() const {
        const HMENU hEdit = GetSubMenu(GetMenu(Frame()), 1);
        return Joined(ItemState(hEdit, ID_SHORTCUT_DELETE), ItemState(hEdit, ID_SHORTCUT_EDIT),
                      ItemState(hEdit, ID_SHORTCUT_SELECTALL));
    }
    // Whether the keys, once they reached the list, had their effect.
    static bool Keys(UINT nModifiers, UINT nVirtKey, const std::function<bool()>& effect) {
        return SendKeyCombination(nModifiers, nVirtKey) && PumpUntil(effect);
    }
    // Whether a click on the column's header puts the rows in that order.
    bool Sorts(int nColumn, const std::wstring& files) const {
        SortByColumn(nColumn);
        return Column(1) == files;
    }
};

TEST_F(ListWindow, AClickOnAHeaderSortsByItsColumnUpThenDown) {
    // Code units in order: a prefix first, capitals before small letters, wide letters last.
    EXPECT_TRUE(Sorts(1, L"C:\\|C:\\B|C:\\a|C:\\b|C:\\ａ"));
    EXPECT_TRUE(Sorts(1, L"C:\\ａ|C:\\b|C:\\a|C:\\B|C:\\"));
    EXPECT_TRUE(Sorts(1, L"C:\\|C:\\B|C:\\a|C:\\b|C:\\ａ"));
    // Each column on its own: the key column's first click sorts it ascending.
    EXPECT_TRUE(Sorts(0, L"C:\\b|C:\\B|C:\\a|C:\\ａ|C:\\"));
    EXPECT_TRUE(Sorts(2, L"C:\\|C:\\ａ|C:\\a|C:\\B|C:\\b"));
}

TEST_F(ListWindow, DeleteAndEditAndTheEditKeyAreOfferedForTheSelectionOnly) {
    WORD wShownKey = 0;
    m_answers.Then(Cancel(nullptr, &wShownKey));
    Select({});
    EXPECT_EQ(Offered(), Joined(MF_GRAYED, MF_GRAYED, 0));
    EXPECT_TRUE(PumpUntil([&] { return !ButtonEnabled(ID_SHORTCUT_DELETE); }));
    Select({0, 1, 3});
    EXPECT_EQ(Offered(), Joined(0, MF_GRAYED, 0));
    EXPECT_TRUE(PumpUntil([&] { return ButtonEnabled(ID_SHORTCUT_DELETE); }));
    ASSERT_TRUE(PressAndHandle(MOD_CONTROL, 'E', WM_KEYUP));
    Select({1});
    EXPECT_EQ(Offered(), Joined(0, 0, 0));
    EXPECT_TRUE(Keys(MOD_CONTROL, 'E', [&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(wShownKey, MAKEWORD(VK_F2, HOTKEYF_SHIFT)) << "the first editor is the second row's";
}

TEST_F(ListWindow, DeleteCtrlAAndCtrlDRemoveTheRowsAndWriteTheProfileAtOnce) {
    Select({0, 1, 3});
    EXPECT_TRUE(Keys(0, VK_DELETE, [&] { return Column(1) == L"C:\\a|C:\\"; }));
    EXPECT_EQ(Joined(Stored::Value(kShortcutCount), Stored::Value(1, kFileNameWord)),
              L"dword:2|sz:C:\\");
    Select({});
    EXPECT_TRUE(Keys(MOD_CONTROL, 'A', [&] { return ListView_GetSelectedCount(View()) == 2; }));
    EXPECT_TRUE(Keys(MOD_CONTROL, 'D', [&] { return Rows() == 0; }));
    // A count of 0; the entries of the longer list stay, unread.
    EXPECT_EQ(Joined(Stored::Value(kShortcutCount), Stored::Value(0, kFileNameWord)),
              L"dword:0|sz:C:\\a");
    EXPECT_EQ(Offered(), Joined(MF_GRAYED, MF_GRAYED, MF_GRAYED));
}

} // namespace

// The list window as the user works in it: its Edit menu, tool bar and keys follow the
// selection, and a click on a column's header sorts by it.
#include "ProgramTest.h"

#include "framework/CListCtrl.h"

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
        Command(ID_TRAY_SHOWWINDOW);
        SetForegroundWindow(Frame());
        SetFocus(View());
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == View(); }));
    }
    bool ButtonEnabled(UINT nID) const {
        return SendMessageW(GetDlgItem(Frame(), AFX_IDW_TOOLBAR), TB_ISBUTTONENABLED, nID, 0) != 0;
    }
    // Whether the keys, once they reached the list, had their effect.
    static bool Keys(UINT nModifiers, UINT nVirtKey, const std::function<bool()>& effect) {
        return SendKeyCombination(nModifiers, nVirtKey) && PumpUntil(effect);
    }
    // Whether a click on the column's header puts the rows in that order.
    bool ClickSorts(int nColumn, const std::wstring& files) {
        HWND hHeader = ListView_GetHeader(View());
        RECT rc;
        Header_GetItemRect(hHeader, nColumn, &rc);
        MapWindowPoints(hHeader, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        // A click where the last one was would make a double click.
        m_nShift = m_nShift > 0 ? -10 : 10;
        return SendClick({(rc.left + rc.right) / 2 + m_nShift, (rc.top + rc.bottom) / 2}) &&
               PumpUntil([&] { return Column(1) == files; });
    }

    int m_nShift = 0;
};

TEST_F(ListWindow, EditCommandsFollowTheSelectionAndAClickOnAHeaderSorts) {
    // A click on a header sorts by its column, ascending, then descending, each column on its
    // own. Code units in order: a prefix first, capitals before small letters, wide letters last.
    EXPECT_TRUE(ClickSorts(1, L"C:\\|C:\\B|C:\\a|C:\\b|C:\\ａ"));
    EXPECT_TRUE(ClickSorts(1, L"C:\\ａ|C:\\b|C:\\a|C:\\B|C:\\"));
    EXPECT_TRUE(ClickSorts(1, L"C:\\|C:\\B|C:\\a|C:\\b|C:\\ａ"));
    // The key column's first click sorts it ascending, whatever the other column did: the rows
    // are back in their first order.
    EXPECT_TRUE(ClickSorts(0, L"C:\\b|C:\\B|C:\\a|C:\\ａ|C:\\"));
    EXPECT_TRUE(ClickSorts(2, L"C:\\|C:\\ａ|C:\\a|C:\\B|C:\\b"));

    HMENU hEdit = GetSubMenu(GetMenu(Frame()), 1);
    Select({});
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_DELETE), UINT(MF_GRAYED));
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_EDIT), UINT(MF_GRAYED));
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_SELECTALL), 0u);
    EXPECT_TRUE(PumpUntil([&] { return !ButtonEnabled(ID_SHORTCUT_DELETE); }));

    Select({0, 1, 3});
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_DELETE), 0u);
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_EDIT), UINT(MF_GRAYED));
    // Its key does nothing either: an editor would be a window nobody expected.
    EXPECT_FALSE(Keys(MOD_CONTROL, 'E', [&] { return m_answers.Unexpected() > 0; }));
    EXPECT_TRUE(PumpUntil([&] { return ButtonEnabled(ID_SHORTCUT_DELETE); }));
    EXPECT_TRUE(Keys(0, VK_DELETE, [&] { return Column(1) == L"C:\\a|C:\\b"; }));
    EXPECT_EQ(Stored::Value(kShortcutCount), L"dword:2") << "written at once";
    Select({1});
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_EDIT), 0u);

    // Ctrl+A selects every row and Ctrl+D deletes them; then the list offers neither.
    Select({});
    EXPECT_TRUE(Keys(MOD_CONTROL, 'A', [&] { return ListView_GetSelectedCount(View()) == 2; }));
    EXPECT_TRUE(Keys(MOD_CONTROL, 'D', [&] { return Rows() == 0; }));
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_SELECTALL), UINT(MF_GRAYED));
    EXPECT_EQ(ItemState(hEdit, ID_SHORTCUT_DELETE), UINT(MF_GRAYED));
}

} // namespace

// The list-control wrapper on a real report-style list view: rows with their data, sorting by a
// callback, hit testing and selection.
#include "framework/CListCtrl.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"list", WS_OVERLAPPEDWINDOW, 0, 0,
                                      400, 300, nullptr, nullptr));
        ASSERT_TRUE(
            m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, {0, 0, 380, 260}, &m_parent, 1));
        m_list.InsertColumn(0, L"キー", LVCFMT_LEFT, 120, 0);
        m_list.InsertColumn(1, L"実行対象", LVCFMT_LEFT, 200, 1);
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // Appends a row whose item data points at its own name, as the program's records do.
    void AddRow(const wchar_t* pszKey, const wchar_t* pszTarget) {
        m_names.push_back(pszKey);
        const int n = m_list.GetItemCount();
        ASSERT_EQ(m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, n, pszKey, 0, 0, 0,
                                    reinterpret_cast<LPARAM>(m_names.back().c_str())),
                  n);
        ASSERT_TRUE(m_list.SetItemText(n, 1, pszTarget));
    }
    std::vector<std::wstring> Column(int nSubItem) const {
        std::vector<std::wstring> texts;
        for (int i = 0; i < m_list.GetItemCount(); ++i)
            texts.push_back(static_cast<const wchar_t*>(m_list.GetItemText(i, nSubItem)));
        return texts;
    }
    std::vector<int> Selected() const {
        std::vector<int> items;
        for (int i = m_list.GetNextItem(-1, LVNI_SELECTED); i != -1;
             i = m_list.GetNextItem(i, LVNI_SELECTED))
            items.push_back(i);
        return items;
    }

    CWnd m_parent;
    CListCtrl m_list;
    std::deque<std::wstring> m_names; // appending leaves the earlier names where they are
};

int CALLBACK CompareNamesDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    EXPECT_EQ(lParamSort, 42);
    return -CompareOrdinal(reinterpret_cast<const wchar_t*>(lParam1),
                           reinterpret_cast<const wchar_t*>(lParam2));
}

TEST_F(ListCtrlTest, RowsKeepTheirTextsAndDataWhereverTheyAre) {
    AddRow(L"F1", L"C:\\a.txt");
    AddRow(L"Ctrl + N", L"");
    const std::wstring longTarget(1000, L'パ'); // longer than a first read's buffer
    AddRow(L"Alt + B", longTarget.c_str());
    EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"C:\\a.txt", L"", longTarget}));
    EXPECT_EQ(reinterpret_cast<const wchar_t*>(m_list.GetItemData(1)), m_names[1].c_str());

    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Ctrl + N", L"Alt + B"}));
    EXPECT_EQ(reinterpret_cast<const wchar_t*>(m_list.GetItemData(0)), m_names[1].c_str());
}

TEST_F(ListCtrlTest, SortReordersRowsByTheCallbackOnTheirData) {
    AddRow(L"b", L"2");
    AddRow(L"A", L"1");
    AddRow(L"c", L"3");
    AddRow(L"B", L"4");
    ASSERT_TRUE(m_list.SortItems(CompareNamesDescending, 42));
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"c", L"b", L"B", L"A"}));
    EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"3", L"2", L"4", L"1"}));
    EXPECT_EQ(reinterpret_cast<const wchar_t*>(m_list.GetItemData(3)), std::wstring(L"A"));
}

TEST_F(ListCtrlTest, HitTestFindsTheRowAtAPointAndNothingBelowTheLast) {
    // Full-row selection makes the whole row, from its left edge, hit the item.
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    AddRow(L"F1", L"a");
    AddRow(L"F2", L"b");
    AddRow(L"F3", L"c");
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    ASSERT_TRUE(m_list.SendMessage(LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));
    UINT flags = 0;
    EXPECT_EQ(m_list.HitTest({2, (row.top + row.bottom) / 2}, &flags), 1);
    EXPECT_TRUE(flags & LVHT_ONITEM);
    EXPECT_EQ(m_list.HitTest({200, row.top}), 1) << "any column of the row";
    EXPECT_EQ(m_list.HitTest({2, row.bottom + 3 * (row.bottom - row.top)}, &flags), -1);
    EXPECT_TRUE(flags & LVHT_NOWHERE);
}

TEST_F(ListCtrlTest, SelectionStateChangesOnlyTheStatesInTheMask) {
    for (const wchar_t* key : {L"1", L"2", L"3", L"4", L"5"})
        AddRow(key, L"");
    ASSERT_TRUE(m_list.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED));
    for (int i : {0, 1, 3})
        ASSERT_TRUE(m_list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(m_list.GetSelectedCount(), 3u);
    EXPECT_EQ(m_list.GetItemState(2, LVIS_FOCUSED | LVIS_SELECTED), UINT(LVIS_FOCUSED));

    ASSERT_TRUE(m_list.SetItemState(1, 0, LVIS_SELECTED));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 3}));
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_ALL), 0);
    EXPECT_EQ(m_list.GetNextItem(4, LVNI_ALL), -1);
}

TEST_F(ListCtrlTest, ExtendedStyleIsReplacedWhole) {
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const DWORD previous = m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(previous & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
              DWORD(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    EXPECT_EQ(m_list.GetExtendedStyle(), DWORD(LVS_EX_FULLROWSELECT));
}

} // namespace
